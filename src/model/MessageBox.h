#pragma once

namespace fd9 {

// The icons and buttons of a message box and the button the user pressed. The core names the
// boxes it asks for with these; the window's platform shows them.
enum class MsgIcon { None, Exclamation, Critical, Information, Question };
enum class MsgButtons { OK, YesNo, YesNoCancel, AbortRetryIgnore };
enum class MsgAnswer { OK, Yes, No, Cancel, Abort, Retry, Ignore };

}  // namespace fd9
