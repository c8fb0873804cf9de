// SPDX-License-Identifier: MIT
#include "MessageDialog.h"

namespace sumdrop::web {

MessageDialog::MessageDialog(const val &parent, const char *closedHandler)
    : dialog(Append(parent, "dialog", "message")), text(val::null())
{
    dialog.call<void>("setAttribute", val("aria-labelledby"), val("message-title"));
    dialog.call<void>("setAttribute", val("aria-describedby"), val("message-text"));
    SetText(Append(dialog, "div", "message-title"), layout::MessageCaption);
    text = Append(dialog, "p", "message-text");
    // A form of method "dialog" closes the dialog when OK is pressed; Esc closes it too.
    val form = Append(dialog, "form");
    form.set("method", val("dialog"));
    val ok = Append(form, "button", "message-ok");
    SetText(ok, "OK");
    Listen(dialog, "close", closedHandler);
}

MessageDialog::~MessageDialog()
{
    dialog.call<void>("remove");
}

void MessageDialog::Show(std::string_view message)
{
    if (open) {
        waiting.emplace_back(message);
        return;
    }
    Open(std::string(message));
}

void MessageDialog::Open(const std::string &message)
{
    SetText(text, message);
    open = true;
    dialog.call<void>("showModal");
}

void MessageDialog::Closed()
{
    open = false;
    if (!waiting.empty()) {
        const std::string next = waiting.front();
        waiting.pop_front();
        Open(next);
    }
}

} // namespace sumdrop::web
