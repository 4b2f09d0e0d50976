#pragma once

#include "core/sync/syncclient.h"

#include <QString>

class MessagePrompt;

// Asks whether to accept, for one server, a certificate that does not verify: the question
// shows who it names and who issued it, when it is valid, its SHA-256 fingerprint (to compare
// with the one the server's owner gives) and what is wrong with it. No is the default.
bool acceptCertificate(MessagePrompt& prompt, const QString& address,
                       const UntrustedCertificate& certificate);
