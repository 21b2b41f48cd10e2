#include "app/gtk/MessageBox.h"

namespace tavelo {

void CMessageBox::ShowMessage(const std::string& text) {
    GtkWidget* dialog = gtk_message_dialog_new(m_parent, GTK_DIALOG_MODAL, GTK_MESSAGE_INFO,
                                               GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), "Tavelo");
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

}  // namespace tavelo
