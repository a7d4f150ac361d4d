#pragma once

class QWidget;

namespace brisquel {

// Lets assistive technology see the window's own kinds of controls for what they are: a hot
// image is a button that can be pressed (and is disabled while it is), the web label a
// link, lblPB the progress with its percentage as value and its caption as description, a
// drop-down list with an accessible name a list of that name. Safe to call more than once.
void installAccessibility();

// Gives the main window's controls the names assistive technology announces, and the hot
// images the captions their tooltips show. Controls are found by their object names.
void nameMainWindowControls(QWidget& window);

} // namespace brisquel
