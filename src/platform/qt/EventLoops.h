#pragma once

namespace platform {

// Ends the program's event loops once control returns to one: the application's and every loop
// running inside it, a modal dialog's included. A quit asked for while a dialog is up (or before
// the application's loop has started) therefore still ends the program through its normal shutdown.
void LeaveEveryEventLoop();

} // namespace platform
