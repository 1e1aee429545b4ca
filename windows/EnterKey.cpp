#include "windows/EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(*static_cast<QKeyEvent *>(event)))
            return QObject::eventFilter(watched, event);
        static_cast<QAbstractButton *>(watched)->click();
        return true;
    }

private:
    static bool isEnter(const QKeyEvent &key) {
        return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    }
};

}  // namespace

void letEnterPressFocusedButtons(QWidget &window) {
    auto *filter = new EnterPressesButton(&window);
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        button->installEventFilter(filter);
}
