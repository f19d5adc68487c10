// about_dialog.cpp: the About box and its payment message.
#include "ui/about_dialog.h"

#include <utility>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/dialog_design.h"
#include "design/ui_texts.h"
#include "generated/version.h"
#include "ui/desktop/frame_placement.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/window_look.h"

namespace torvelle {

Dialog::Dialog(std::function<void()> askPayment) : askPayment_(std::move(askPayment))
{
    const design::Window& design = design::dialog::kWindow;
    setObjectName(QString::fromUtf8(design.name.data()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(displayText(design.caption));
    setWindowIcon(gameIcon(WindowIcon::Binoculars));
    applyFixedDialogFrame(this);
    setFont(designFont(design.font, design.font));
    // The controls live in a client area of the dialog's fixed size; the window
    // fits around it, and around a frame of its own where the game draws one.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);

    buildForm(design, client_);
    label2_ = child<QLabel>(client_, named(design, "Label2"));
    label3_ = child<QLabel>(client_, named(design, "Label3"));
    auto* ok = child<QPushButton>(client_, named(design, "OKButton"));
    connect(ok, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(child<QPushButton>(client_, named(design, "Command1")), &QPushButton::clicked, this,
            &Dialog::Command1_Click);
    ok->setFocus(Qt::OtherFocusReason);

    Form_Load();
    centreOnScreen(this);
}

void Dialog::Form_Load()
{
    label3_->setText(displayText(ui_texts::kAboutNotice));
    label3_->adjustSize();
    label2_->setText(displayText(
        ui_texts::aboutVersionText(version::kMajor, version::kMinor, version::kRevision)));
    label2_->adjustSize();
}

void Dialog::paintEvent(QPaintEvent* /*event*/)
{
    // Painted rather than set in the palette: a palette of its own would give each
    // new dialog's buttons new entries in the style's pixmap cache.
    QPainter painter(this);
    painter.fillRect(rect(), designColour(design::dialog::kWindow.fixedGround));
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    // Neither button is the default, yet Enter presses the focused one, as on the desktop.
    // A button that is not the default leaves Enter to its window: it arrives here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Dialog::OKButton_Click()
{
    close();
}

void Dialog::Command1_Click()
{
    askPayment_();
}

} // namespace torvelle
