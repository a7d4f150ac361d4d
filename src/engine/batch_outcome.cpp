#include "engine/batch_outcome.h"

#include <algorithm>

namespace brisquel {

int BatchOutcome::count(FileResult result) const
{
    return static_cast<int>(std::count_if(files.begin(), files.end(), [result](const FileOutcome& file) {
        return file.result == result;
    }));
}

int BatchOutcome::converted() const
{
    return count(FileResult::Converted) + count(FileResult::Warning);
}

} // namespace brisquel
