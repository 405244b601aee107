#pragma once

#include <string>

namespace ventaro::platform {

// The standard message boxes, modal to the application:
// Information ("Information", OK), Confirmation ("Confirm", Yes and No),
// Plain (captioned with the application title, OK) and Error (the title,
// error icon, OK).
enum class DialogKind { Information, Confirmation, Plain, Error };
enum class DialogResult { Ok, Yes, No, Cancel };

class DialogsApi {
public:
    virtual ~DialogsApi() = default;
    virtual DialogResult Show(DialogKind kind, const std::string& text) = 0;
};

} // namespace ventaro::platform
