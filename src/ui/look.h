#pragma once

namespace ui {

// The program's look, the same in the program, the tests and the screenshots: the
// Fusion style and a Thai font from fonts-thai-tlwg.
void applyOfficeLook();

} // namespace ui
