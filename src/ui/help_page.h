#pragma once

namespace brisquel {

// The product page, opened by Help and by the web label.
inline constexpr char WebAddress[] = "https://brisquel.example/brisquel.html";
// The maker's web site as the web label names it.
inline constexpr char WebSiteName[] = "brisquel.example";

} // namespace brisquel
