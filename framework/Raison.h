#pragma once

#include <QString>

namespace framework {

// Why a system call failed, in French, from its error number: what the user can act upon
// (a full disk, a permission), never the platform's English text.
QString Raison(int codeErreur);

// The error number of the last system call that failed in this thread; on Windows, the
// system's last error translated to the same numbers.
int DerniereErreur();
void EffacerErreur();

// At start: a write past the file-size limit then fails with its error instead of ending it.
void IgnorerSignalDeTaille();

} // namespace framework
