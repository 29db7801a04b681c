#pragma once

#include "melody/ImportError.h"

#include <QString>

namespace testing_support {

// The message of the import error `read` throws, or "(přečteno)" when it reads.
template <typename Read>
QString importRefusalOf(Read read) {
    try {
        read();
    } catch (const melody::ImportError& error) {
        return error.message();
    }
    return QStringLiteral("(přečteno)");
}

}  // namespace testing_support
