// EOleSysError: a failure of a platform call, carried up as an exception with its result code.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/hresult.h"

class EOleSysError : public std::runtime_error {
public:
    // The message names what failed, then the result code's text and value.
    EOleSysError(HRESULT errorCode, const std::string& what);

    HRESULT ErrorCode() const { return FErrorCode; }

private:
    HRESULT FErrorCode;
};
