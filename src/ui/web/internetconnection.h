#pragma once

// Whether the system is online, as far as Qt can tell.
namespace InternetConnection {

// True unless the system reports that it has no network connection at all. Where Qt cannot
// tell (no network information backend), the request is simply tried.
bool internetConnectedCheck();

// Dial-up connections cannot be asked for on this platform: always false.
bool internetAutodial(bool unattended = false);

// True when a connection exists or could be dialled.
bool internetConnect();

} // namespace InternetConnection
