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

#include "design/form1_design.h"
#include "design/grid_captions.h"
#include "ui/about_dialog.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/breath_slider.h"
#include "ui/cell_image.h"
#include "ui/desktop/bring_to_front.h"
#include "ui/desktop/frame_placement.h"
#include "ui/farewell_files.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/tenths_progress_bar.h"
#include "ui/window_look.h"

namespace torvelle {

Form1::Form1() : window_(*this)
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
    const std::pair<std::string_view, void (GameWindow::*)()> commands[] = {
        {design::named(design::form1::kMenu, "quit"), &GameWindow::quit_Click},
        {design::named(design::form1::kMenu, "menuaide"), &GameWindow::menuaide_Click},
        {design::named(design::form1::kMenu, "menuapropos"), &GameWindow::menuapropos_Click},
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
        for (const auto& command : commands) {
            const auto slot = command.second; // a binding cannot be captured before C++23
            if (command.first == item.name)
                connect(action, &QAction::triggered, this, [this, slot] { (window_.*slot)(); });
        }
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
    picture1_ = child<QFrame>(client_, design::named(form, "Picture1"));
    picture1_->installEventFilter(this);
    for (int i = 0; i < Board::kCellCount; ++i) {
        cells_[i] = new CellImage(i, imageList_,
                                  client_->findChild<QWidget*>(QStringLiteral("Picture1Inner")));
        cells_[i]->hide();
        connect(cells_[i], &CellImage::clicked, this,
                [this](int cell) { window_.Image1_Click(cell); });
    }
    for (const design::GridCaption& caption : design::gridCaptions()) {
        captions_.push_back(buildArrayLabel(form, *caption.array, caption.index, client_));
        captions_.back()->setText(QString::fromStdString(caption.text));
        captions_.back()->hide(); // shown at load
    }
    frame1_ = child<QGroupBox>(client_, design::named(form, "Frame1"));
    label7_ = label(design::named(form, "Label7"));
    slider1_ = child<BreathSlider>(client_, design::named(form, "Slider1"));
    connect(slider1_, &BreathSlider::mouseReleased, this, [this] { window_.Slider1_MouseUp(); });
    progre_ = child<TenthsProgressBar>(client_, design::named(form, "Progre"));

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
        cells_[i]->setPictureNumber(static_cast<int>(game().board().picture(i)));
        cells_[i]->show();
    }
    for (QLabel* caption : captions_)
        caption->show();
}

QLabel* Form1::label(std::string_view control) const
{
    return client_->findChild<QLabel*>(QString::fromUtf8(control.data(), control.size()));
}

MessageAnswer Form1::showBox(const std::string& prompt, const std::string& title,
                             MessageButtons buttons, const std::string& said, BoxOwner owner)
{
    QWidget* over = this;
    if (owner == BoxOwner::About && about_)
        over = about_;
    return showMessageBox(over, prompt, title, buttons, said);
}

void Form1::announce(const std::string& said)
{
    announcer_->announce(QString::fromStdString(said));
}

void Form1::rendfocus()
{
    setFocus(Qt::OtherFocusReason);
}

void Form1::focusWindow()
{
    rendfocus();
}

void Form1::showPicture(int cell, int picture)
{
    cells_.at(cell)->setPictureNumber(picture);
}

void Form1::showText(std::string_view control, const std::string& text)
{
    QLabel* shown = label(control);
    shown->setText(displayText(text));
    if (shown != label7_)
        return;
    // Two lines of the banner's type do not fit the 25 pixels it was drawn
    // with: it grows downwards just enough, within the score frame.
    constexpr int kDesignedHeight = design::form1::kWindow.control("Label7").rect.height;
    growDownToFit(label7_, kDesignedHeight, frame1_->height() - design::kSunkenBorder);
}

void Form1::showControl(std::string_view control)
{
    label(control)->show();
}

void Form1::showProgress(const RealProgress& progress)
{
    progre_->setProgress(progress);
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

void Form1::showAbout()
{
    if (!about_)
        about_ = new Dialog([this] { window_.Command1_Click(); });
    bringToFront(about_); // even from the iconic state
}

void Form1::leaveFarewellFiles()
{
    touchFarewellFilesHere();
}

void Form1::closeEvent(QCloseEvent* event)
{
    window_.Form_QueryUnload();
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
