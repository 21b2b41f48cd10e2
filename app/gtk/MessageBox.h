#pragma once

#include <gtk/gtk.h>

#include "storage/Parameters.h"

namespace tavelo {

// A modal message with an OK button over the program's window.
class CMessageBox : public IMessageBox {
public:
    explicit CMessageBox(GtkWindow* parent) : m_parent(parent) {}
    void ShowMessage(const std::string& text) override;

private:
    GtkWindow* m_parent;
};

}  // namespace tavelo
