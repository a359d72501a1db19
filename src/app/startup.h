#pragma once

#include "ui/app.h"

namespace app {

class Tmain_frm;

// Creates the main window (which opens the login) and then every other window once,
// in the fixed start-up order. The database must be open.
Tmain_frm* createWindows(ui::App& app);

} // namespace app
