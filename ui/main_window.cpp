// main_window.cpp: Form1 builds its controls where the game has always had them and wires their
// events.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "ui/about_dialog.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/breath_slider.h"
#include "ui/cell_image.h"
#include "ui/desktop/bring_to_front.h"
#include "ui/desktop/frame_placement.h"
#include "ui/farewell_files.h"
#include "design/form1_design.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/tenths_progress_bar.h"
#include "design/ui_texts.h"
#include "ui/window_look.h"

namespace torvelle {

Form1::Form1() : game_(*this)
{
    installAccessibility();
    setObjectName(QString::fromUtf8(design::form1::kWindow.name.data()));
    setWindowTitle(displayText(design::form1::kWindow.caption));
    setWindowIcon(gameIcon(WindowIcon::France));
    applyFixedDialogFrame(this);
    setFocusPolicy(Qt::NoFocus);
    buildMenus();
    buildControls();
}

Form1::~Form1()
{
    delete about_;
}

void Form1::buildMenus()
{
    const std::pair<std::string_view, void (Form1::*)()> commands[] = {
        {"quit", &Form1::quit_Click},
        {"menuaide", &Form1::menuaide_Click},
        {"menuapropos", &Form1::menuapropos_Click},
    };
    QHash<QString, QMenu*> menus;
    for (const design::MenuItem& item : design::form1::kMenu) {
        const QString name = QString::fromUtf8(item.name.data(), item.name.size());
        QMenu* in = menus.value(QString::fromUtf8(item.menu.data(), item.menu.size()));
        if (item.opens) {
            QMenu* menu = menuBar()->addMenu(displayText(item.text));
            menu->setObjectName(name);
            menu->setLayoutDirection(Qt::LeftToRight); // a drop-down is a window of its own
            menus.insert(name, menu);
            continue;
        }
        QAction* action = in ? in->addAction(displayText(item.text))
                             : menuBar()->addAction(displayText(item.text));
        action->setObjectName(name);
        for (const auto& [command, slot] : commands)
            if (command == item.name)
                connect(action, &QAction::triggered, this, slot);
    }
}

void Form1::buildControls()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    // The desktop's colour for scroll bars, a light grey in the usual schemes: Midlight
    // is the role that holds it, and it follows the scheme, dark ones included.
    client_->setBackgroundRole(QPalette::Midlight);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    // The fixed layout was drawn for Arial's metrics; the menus keep the desktop's font.
    const design::Window& form = design::form1::kWindow;
    buildForm(form, client_);
    picture1_ = client_->findChild<QFrame*>(QStringLiteral("Picture1"));
    picture1_->installEventFilter(this);
    for (int i = 0; i < Board::kCellCount; ++i) {
        cells_[i] = new CellImage(i, imageList_,
                                  client_->findChild<QWidget*>(QStringLiteral("Picture1Inner")));
        cells_[i]->hide();
        connect(cells_[i], &CellImage::clicked, this, [this](int cell) {
            game_.Image1_Click(cell);
            if (!game_.ended())
                announcer_->announce(QString::fromStdString(narration()));
        });
    }
    for (int r = 0; r < Board::kRows; ++r) {
        rowLabels_[r] = buildArrayLabel(form, design::form1::kLabel1, r, client_);
        rowLabels_[r]->hide();
    }
    for (int c = 0; c < Board::kColumns; ++c) {
        columnLabels_[c] = buildArrayLabel(form, design::form1::kLabel2, c, client_);
        columnLabels_[c]->hide();
    }
    frame1_ = client_->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    label4_ = client_->findChild<QLabel*>(QStringLiteral("Label4"));
    label6_ = client_->findChild<QLabel*>(QStringLiteral("Label6"));
    label7_ = client_->findChild<QLabel*>(QStringLiteral("Label7"));
    slider1_ = client_->findChild<BreathSlider*>(QStringLiteral("Slider1"));
    connect(slider1_, &BreathSlider::mouseReleased, this, [this] { game_.Slider1_MouseUp(); });
    progre_ = client_->findChild<TenthsProgressBar*>(QStringLiteral("Progre"));

    announcer_ = new Announcer(client_);
    // The window fits its menu bar, its client area and any frame drawn around them.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::Form_Load()
{
    creegrille();
    centreOnScreen(this);
    show();
    slider1_->setMinimum(design::form1::kSlider1.minimum);
    slider1_->setMaximum(design::form1::kSlider1.maximum);
    // The game is in its placing phase from its creation: restant is 10.
    picture1_->setFocus(Qt::OtherFocusReason);
}

void Form1::creegrille()
{
    for (int i = 0; i < Board::kCellCount; ++i) {
        const design::Rect at = design::form1::kImage1.rectOf(i);
        cells_[i]->setGeometry(at.left, at.top, at.width, at.height);
        cells_[i]->setPictureNumber(static_cast<int>(game_.board().picture(i)));
        cells_[i]->show();
    }
    for (int r = 0; r < Board::kRows; ++r) {
        rowLabels_[r]->setText(QString::fromStdString(Board::rowLetter(r * Board::kColumns)));
        rowLabels_[r]->show();
    }
    for (int c = 0; c < Board::kColumns; ++c) {
        columnLabels_[c]->setText(QString::fromStdString(Board::columnNumber(c)));
        columnLabels_[c]->show();
    }
}

MessageAnswer Form1::showMessage(const std::string& prompt, const std::string& title,
                                 MessageButtons buttons)
{
    return showMessageBox(this, prompt, title, buttons, narration());
}

std::string Form1::narration()
{
    return narrator_.take(game_.restant(), label4_->text().toStdString(),
                          label6_->text().toStdString());
}

void Form1::rendfocus()
{
    setFocus(Qt::OtherFocusReason);
}

void Form1::focusMainWindow()
{
    rendfocus();
}

void Form1::showCellPicture(int cell, int picture)
{
    cells_.at(cell)->setPictureNumber(picture);
    narrator_.pictureShown(cell, picture);
}

void Form1::setPlayerScoreText(const std::string& text)
{
    label4_->setText(QString::fromStdString(text));
}

void Form1::setComputerScoreText(const std::string& text)
{
    label6_->setText(QString::fromStdString(text));
}

void Form1::showBanner()
{
    label7_->show();
}

void Form1::setBannerText(const std::string& text)
{
    narrator_.bannerShown(text);
    label7_->setText(displayText(text));
    // Two lines of the banner's type do not fit the 25 pixels it was drawn
    // with: it grows downwards just enough, within the score frame.
    growDownToFit(label7_, design::form1::kWindow.control("Label7").rect.height,
                  frame1_->height() - design::kSunkenBorder);
}

void Form1::setProgressMaximum(double maximum)
{
    progre_->setRealMaximum(maximum);
}

void Form1::setProgressValue(double value)
{
    progre_->setRealValue(value);
}

int Form1::sliderValue()
{
    return slider1_->value();
}

void Form1::endProgram()
{
    if (programEnder) {
        programEnder();
        return;
    }
    // Ends every event loop without asking any window to close: no farewell, no files.
    QCoreApplication::exit(0);
}

void Form1::quit_Click()
{
    showMessageBox(this, ui_texts::kQuitFarewell, ui_texts::kFarewellTitle, MessageButtons::Ok);
    endProgram();
}

void Form1::menuaide_Click()
{
    showMessageBox(this, ui_texts::kHelp, ui_texts::kHelpTitle, MessageButtons::Ok);
}

void Form1::menuapropos_Click()
{
    if (!about_)
        about_ = new Dialog();
    bringToFront(about_); // even from the iconic state
}

void Form1::Form_QueryUnload()
{
    showMessageBox(this, ui_texts::kCloseFarewell, ui_texts::kFarewellTitle, MessageButtons::Ok);
    touchFarewellFilesHere();
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Only a key pressed on the window itself; keys the slider leaves unused stay there.
    if (QApplication::focusWidget() == this || QApplication::focusWidget() == nullptr)
        rendfocus();
    event->accept();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture1_ && event->type() == QEvent::KeyPress) {
        // Tab and Backtab still move between the grid and the slider.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
        rendfocus();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace torvelle
