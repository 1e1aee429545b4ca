#include "windows/FrmSplash.h"

#include "ui_FrmSplash.h"
#include "windows/BitmapPicture.h"
#include "windows/Fonts.h"
#include "windows/LabelFitting.h"

#include <QKeyEvent>
#include <QMouseEvent>

FrmSplash::FrmSplash(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::frmSplash>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    m_ui->imgLogo->setPixmap(bitmapPicture(QStringLiteral(":/pictures/corvelux.bmp")));
    fitLabelsToText(*this);
    setGeometry(QRect(QPoint(0, 0), size()));
    m_ui->Label2->installEventFilter(this);
}

FrmSplash::~FrmSplash() = default;

bool FrmSplash::eventFilter(QObject *watched, QEvent *event) {
    // A click is a left-button release over the label that was pressed.
    if (watched == m_ui->Label2 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_ui->Label2->rect().contains(mouse->position().toPoint()))
            emit nextRequested();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmSplash::keyPressEvent(QKeyEvent *event) {
    // Enter leads on, so that keyboard users are not shut out of the program.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit nextRequested();
        return;
    }
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit characterKeyPressed();
}
