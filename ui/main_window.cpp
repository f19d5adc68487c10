// main_window.cpp: Form1 builds its controls where the game has always had them and wires their
// events.
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "about_dialog.h"
#include "accessibility.h"
#include "announcer.h"
#include "breath_slider.h"
#include "cell_image.h"
#include "desktop/bring_to_front.h"
#include "desktop/frame_placement.h"
#include "farewell_files.h"
#include "message_box.h"
#include "readable_text.h"
#include "tenths_progress_bar.h"
#include "ui_texts.h"
#include "window_look.h"

namespace torvelle {

namespace {

constexpr int kBorder = 2; // the grid box's sunken border
constexpr int kLabelFontPoints = 12;

} // namespace

Form1::Form1() : game_(*this)
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(displayText(ui_texts::kMainCaption));
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

QLabel* Form1::makeLabel(QWidget* parent, const QString& name, QRect geometry,
                         std::string_view text)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name); // first: assistive technology knows a label by its name
    label->setText(displayText(text));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // Opaque, in the colour of the controls, as the labels have always been.
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

void Form1::buildMenus()
{
    QAction* quit = menuBar()->addAction(displayText(ui_texts::kMenuQuit));
    quit->setObjectName(QStringLiteral("quit"));
    connect(quit, &QAction::triggered, this, &Form1::quit_Click);

    QMenu* aide = menuBar()->addMenu(displayText(ui_texts::kMenuHelp));
    aide->setObjectName(QStringLiteral("aide"));
    aide->setLayoutDirection(Qt::LeftToRight); // a drop-down is a window of its own
    QAction* help = aide->addAction(displayText(ui_texts::kMenuHelpItem));
    help->setObjectName(QStringLiteral("menuaide"));
    connect(help, &QAction::triggered, this, &Form1::menuaide_Click);
    QAction* about = aide->addAction(displayText(ui_texts::kMenuAbout));
    about->setObjectName(QStringLiteral("menuapropos"));
    connect(about, &QAction::triggered, this, &Form1::menuapropos_Click);
}

void Form1::buildControls()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    // The fixed layout was drawn for Arial's metrics; the menus keep the desktop's font.
    client_->setFont(layoutFont());
    // The desktop's colour for scroll bars, a light grey in the usual schemes: Midlight
    // is the role that holds it, and it follows the scheme, dark ones included.
    client_->setBackgroundRole(QPalette::Midlight);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    picture1_ = new QFrame(client_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(40, 32, 320, 320);
    picture1_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture1_->setFocusPolicy(Qt::StrongFocus);
    picture1_->installEventFilter(this);
    // The cells live inside the border, which clips the last row and column to 28 pixels.
    auto* inner = new QWidget(picture1_);
    inner->setObjectName(QStringLiteral("Picture1Inner"));
    inner->setGeometry(kBorder, kBorder, 320 - 2 * kBorder, 320 - 2 * kBorder);
    for (int i = 0; i < Board::kCellCount; ++i) {
        cells_[i] = new CellImage(i, imageList_, inner);
        cells_[i]->hide();
        connect(cells_[i], &CellImage::clicked, this, [this](int cell) {
            game_.Image1_Click(cell);
            if (!game_.ended())
                announcer_->announce(QString::fromStdString(narration()));
        });
    }

    for (int r = 0; r < Board::kRows; ++r) {
        rowLabels_[r] = makeLabel(client_, QStringLiteral("Label1(%1)").arg(r),
                                  QRect(8, 40 + 32 * r, 25, 17), "");
        rowLabels_[r]->hide();
    }
    for (int c = 0; c < Board::kColumns; ++c) {
        columnLabels_[c] = makeLabel(client_, QStringLiteral("Label2(%1)").arg(c),
                                     QRect(48 + 32 * c, 8, 25, 17), "");
        columnLabels_[c]->hide();
    }

    frame1_ = new QGroupBox(displayText(ui_texts::kScoresFrame), client_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(384, 32, 145, 145);
    frame1_->setAutoFillBackground(true);
    frame1_->setBackgroundRole(QPalette::Button);
    frame1_->setFocusPolicy(Qt::NoFocus);
    makeLabel(frame1_, QStringLiteral("Label3"), QRect(8, 32, 49, 17), ui_texts::kPlayerCaption);
    label4_ = makeLabel(frame1_, QStringLiteral("Label4"), QRect(72, 32, 49, 17), "");
    makeLabel(frame1_, QStringLiteral("Label5"), QRect(8, 80, 65, 17), ui_texts::kComputerCaption);
    label6_ = makeLabel(frame1_, QStringLiteral("Label6"), QRect(80, 80, 49, 25), "");
    label7_ = makeLabel(frame1_, QStringLiteral("Label7"), QRect(8, 104, 113, 25),
                        ui_texts::kBannerAtDesign);
    label7_->setFont(bannerFont());
    keepTextReadable(label7_, QColor(255, 0, 0));
    label7_->hide();

    QLabel* label8 = makeLabel(client_, QStringLiteral("Label8"), QRect(368, 216, 177, 17),
                               ui_texts::kSliderEnds);
    keepTextReadable(label8, QColor(0, 0, 255));

    slider1_ = new BreathSlider(client_);
    slider1_->setGeometry(368, 232, 169, 25);
    slider1_->setAccessibleName(displayText(ui_texts::kSliderName));
    connect(slider1_, &BreathSlider::mouseReleased, this, [this] { game_.Slider1_MouseUp(); });

    progre_ = new TenthsProgressBar(client_);
    progre_->setObjectName(QStringLiteral("Progre"));
    progre_->setGeometry(368, 280, 177, 25);

    QLabel* label9 = makeLabel(client_, QStringLiteral("Label9"), QRect(376, 320, 153, 17),
                               ui_texts::kProgressCaption);
    label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label9->setAutoFillBackground(false);
    keepTextReadable(label9, QColor(0, 0, 255));

    announcer_ = new Announcer(client_);
    setTabOrder(picture1_, slider1_);
    // The window fits its menu bar, its client area and any frame drawn around them.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::Form_Load()
{
    creegrille();
    centreOnScreen(this);
    show();
    slider1_->setMinimum(20);
    slider1_->setMaximum(100);
    // The game is in its placing phase from its creation: restant is 10.
    picture1_->setFocus(Qt::OtherFocusReason);
}

void Form1::creegrille()
{
    for (int i = 0; i < Board::kCellCount; ++i) {
        cells_[i]->move(CellImage::kSize * (i % Board::kColumns),
                        CellImage::kSize * (i / Board::kColumns));
        cells_[i]->setPictureNumber(static_cast<int>(game_.board().picture(i)));
        cells_[i]->show();
    }
    QFont labelFont = client_->font();
    labelFont.setPointSize(kLabelFontPoints);
    for (int r = 0; r < Board::kRows; ++r) {
        rowLabels_[r]->setFont(labelFont);
        rowLabels_[r]->setText(QString::fromStdString(Board::rowLetter(r * Board::kColumns)));
        rowLabels_[r]->show();
    }
    for (int c = 0; c < Board::kColumns; ++c) {
        columnLabels_[c]->setFont(labelFont);
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
    growDownToFit(label7_, 25, frame1_->height() - kBorder);
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
