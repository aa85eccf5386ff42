#pragma once

#include <QString>

namespace framework {

// Why a system call failed, in French, from its error number: what the user can act upon
// (a full disk, a permission), never the platform's English text.
QString Raison(int codeErreur);

} // namespace framework
