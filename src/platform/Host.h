#pragma once

#include <string>

namespace orvek {

// Dialog and message-box results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Warning, Error, Question };

struct MessageBoxSpec {
    std::string text;
    std::string caption; // empty: the program's name
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 0; // IDOK, IDCANCEL, IDYES or IDNO; 0 = the first button
};

// Everything the program asks of the outside world. The document only shows
// messages through it; dialogs use the rest.
class Host {
public:
    virtual ~Host() = default;
    // Shows a modal message box and returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int messageBox(const MessageBoxSpec& spec) = 0;

    // Convenience forms.
    void showMessage(const std::string& text, Icon icon = Icon::None, const std::string& caption = {});
    bool askYesNo(const std::string& text, bool defaultYes, const std::string& caption = {});
};

} // namespace orvek
