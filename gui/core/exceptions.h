// The library's exceptions. Every failure the library reports is an Exception
// carrying a message text meant for the user; the descendants let callers catch
// one kind of failure without parsing messages.
#pragma once

#include <exception>
#include <string>

namespace gui {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define GUI_EXCEPTION(Name, Base)                  \
    class Name : public Base {                     \
    public:                                        \
        using Base::Base;                          \
    }

GUI_EXCEPTION(EConvertError, Exception);      // a text that is not a number
GUI_EXCEPTION(EListError, Exception);         // an index outside a list
GUI_EXCEPTION(EStreamError, Exception);       // an operation a stream cannot do
GUI_EXCEPTION(EReadError, EStreamError);      // fewer bytes than required
GUI_EXCEPTION(EWriteError, EStreamError);     // a write that did not complete
GUI_EXCEPTION(EFOpenError, EStreamError);     // a file that cannot be opened
GUI_EXCEPTION(EFCreateError, EStreamError);   // a file that cannot be created
GUI_EXCEPTION(EResNotFound, Exception);       // a missing resource
GUI_EXCEPTION(EInvalidGraphic, Exception);    // picture data that is not valid
GUI_EXCEPTION(EOutOfResources, Exception);    // the system refused a handle
GUI_EXCEPTION(EInvalidOperation, Exception);  // a call the object cannot take in its state
GUI_EXCEPTION(EInvalidCast, Exception);       // an object that is not of the class required

#undef GUI_EXCEPTION

}  // namespace gui
