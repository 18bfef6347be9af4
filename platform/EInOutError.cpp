#include "EInOutError.h"

#include <cerrno>

EInOutError::EInOutError(int code) : Exception(MessageForCode(code)), m_code(code) {}

std::string EInOutError::MessageForCode(int code) {
    switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
    }
}

int EInOutError::CodeFromErrno(int err) {
    switch (err) {
    case ENOENT: return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return 5;
    case ENOSPC:
    case EDQUOT: return 101;
    default:
        break;
    }
    // Any other error shows its own number, unless that number is one of the
    // named codes: EIO would read as "File access denied". Those are shown as
    // the general failure of a device, as Windows reports it.
    constexpr int kGeneralFailure = 31;
    switch (err) {
    case 2: case 3: case 4: case 5: case 100: case 101: case 103: case 106:
        return kGeneralFailure;
    default:
        return err;
    }
}
