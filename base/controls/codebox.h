// Code boxes that hand over their whole code, ready to copy.
#pragma once

class QLineEdit;
class QString;

namespace controls {

// Makes a code box select its whole text whenever it gets the focus and
// again on every click inside it, so that a click never leaves a partial
// selection and the code is ready to copy. A code wider than the box shows
// its start, also when it is put into the box and when it is selected.
void selectAllOnFocusAndClick(QLineEdit* box);
// Selects the whole text with the caret at its start, which stays in view.
void selectAllFromStart(QLineEdit* box);
// Tells a screen reader what the box holds (its name, say "رمز الزخرفة")
// and that its code is there to be copied whole; the code itself is read
// as the box's value.
void nameCodeBox(QLineEdit* box, const QString& name);

} // namespace controls
