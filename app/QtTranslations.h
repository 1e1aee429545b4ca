#pragma once

#include <QTranslator>

// Qt's own Spanish texts, so that the standard dialogs and the message box
// buttons speak the language of the program ("Aceptar", "Abrir", "Guardar").
// Where Debian's translations are not installed, Qt's English texts remain.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

private:
    QTranslator m_qtbase;
    bool m_installed = false;
};
