// about_dialog.cpp: the About box and its payment message.
#include "about_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/frame_placement.h"
#include "message_box.h"
#include "ui_texts.h"
#include "version.h"
#include "window_look.h"

namespace torvelle {

namespace {

constexpr qreal kNamePoints = 21.75;

} // namespace

Dialog::Dialog(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Dialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(displayText(ui_texts::kAboutCaption));
    setWindowIcon(gameIcon(WindowIcon::Binoculars));
    applyFixedDialogFrame(this);
    setFont(layoutFont());
    // The controls live in a client area of the dialog's fixed size; the window
    // fits around it, and around a frame of its own where the game draws one.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);

    QLabel* label1 = makeLabel("Label1", QPoint(64, 0), ui_texts::kAboutName);
    label1->setFont(titleFont(kNamePoints));
    label1->setPalette(textPalette(label1->palette(), QColor(0, 255, 0)));
    label1->adjustSize();
    label2_ = makeLabel("Label2", QPoint(48, 40), ui_texts::kAboutVersionAtDesign);
    // The default colour on the fixed grey is the classic black, whatever the scheme.
    label2_->setPalette(textPalette(label2_->palette(), kClassicText));
    label3_ = makeLabel("Label3", QPoint(48, 80), ui_texts::kAboutNoticeAtDesign);
    label3_->setPalette(textPalette(label3_->palette(), QColor(0, 0, 255)));

    auto* ok = new QPushButton(displayText(ui_texts::kOk), client_);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(304, 112, 81, 25);
    auto* pay = new QPushButton(displayText(ui_texts::kPayButton), client_);
    pay->setObjectName(QStringLiteral("Command1"));
    pay->setGeometry(304, 80, 81, 25);
    for (QPushButton* button : {ok, pay}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    connect(ok, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(pay, &QPushButton::clicked, this, &Dialog::Command1_Click);
    setTabOrder(ok, pay);
    ok->setFocus(Qt::OtherFocusReason);

    Form_Load();
    centreOnScreen(this);
}

QLabel* Dialog::makeLabel(const char* name, QPoint topLeft, std::string_view text)
{
    auto* label = new QLabel(displayText(text), client_);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->move(topLeft);
    label->adjustSize(); // fitted to its text, keeping its top-left corner
    return label;
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
    painter.fillRect(rect(), kAboutBackground);
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
    showMessageBox(this, ui_texts::kPayment, ui_texts::kPaymentTitle, MessageButtons::Ok);
}

} // namespace torvelle
