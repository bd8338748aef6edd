#include "app/shell/windowcontrols.h"

#include <QLabel>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/networkplay.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/controlkit.h"
#include "app/ui/helpviewer.h"
#include "app/ui/layout.h"
#include "app/ui/optionspanel.h"
#include "app/ui/resultbanner.h"
#include "app/ui/resultline.h"
#include "app/ui/scorestrip.h"
#include "app/ui/statustips.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"
#include "core/engine/board.h"

namespace zelvan {

namespace {

GlyphButton* button(QWidget* parent, const char* name, const char* glyph, const char* hint) {
    return controls::glyphButton(parent, name,
                                 Artwork::loadStrip(QStringLiteral("glyphs/") + glyph),
                                 QString::fromUtf8(hint));
}

}  // namespace

WindowControls::WindowControls(QWidget* window, Artwork& art) : art_(art) {
    using namespace controls;
    background = new QLabel(window);
    background->setObjectName(QStringLiteral("background"));
    background->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("background.png"))));

    redIcon = picture(window, "redIcon");
    blueIcon = picture(window, "blueIcon");
    blueIcon->setPixmap(art.icon(QStringLiteral("person-blue.png")));

    opponentButton = button(window, "opponentButton", "humancomputer.png", "Human / Computer");
    exitButton = button(window, "exitButton", "exit.png", "Exit");
    helpButton = button(window, "helpButton", "help.png", "Help");
    internetButton = button(window, "internetButton", "internet.png", "Internet");
    optionsButton = button(window, "optionsButton", "options.png", "Options");
    sizeButton = button(window, "sizeButton", "size.png", "Size 15-20-30");
    playButton = button(window, "playButton", "play.png", "Play!");
    stopButton = button(window, "stopButton", "stop.png", "Stop");

    connectionIcon = picture(window, "connectionIcon");
    connectionIcon->setPixmap(art.icon(QStringLiteral("noconnection.png")));
    styleIcon = picture(window, "styleIcon");
    turnIcon = picture(window, "turnIcon");
    const QFont captionFont = arial(15, true);
    connectionCaption = label(window, "connectionCaption", captionFont, kCaptionColour,
                              Qt::AlignLeft, QStringLiteral("connection"));
    styleCaption = label(window, "styleCaption", captionFont, kCaptionColour, Qt::AlignLeft,
                         QStringLiteral("pieces style"));
    turnCaption = label(window, "turnCaption", captionFont, kCaptionColour, Qt::AlignLeft,
                        QStringLiteral("game turn"));

    result = new ResultLine(window);

    board = new BoardPicture(window, Artwork::scale());
    board->setObjectName(QStringLiteral("board"));
    helpViewer = new HelpViewer(window);
    helpViewer->setObjectName(QStringLiteral("helpViewer"));
    helpViewer->hide();
    banner = new ResultBanner(window);
}

std::vector<GlyphButton*> WindowControls::buttons() const {
    return {playButton, exitButton, sizeButton,     opponentButton,
            stopButton, helpButton, internetButton, optionsButton};
}

void WindowControls::showHints(bool on) {
    for (GlyphButton* b : buttons())
        b->setToolTip(on ? b->property("hintText").toString() : QString());
    if (tips) tips->setShown(on);
}

void WindowControls::showStyle(int pieceStyle) {
    styleIcon->setPixmap(art_.icon(pieceStyle ? QStringLiteral("style-crosses.png")
                                              : QStringLiteral("style-balls.png")));
    if (tips) tips->refresh();
}

void WindowControls::showConnection(bool up) {
    connectionIcon->setPixmap(
        art_.icon(up ? QStringLiteral("check.png") : QStringLiteral("noconnection.png")));
    if (tips) tips->refresh();
}

void WindowControls::place(QPoint origin, ScoreStrip& scores, OptionsPanel* options,
                           NetworkPlay& network) {
    using namespace layout;
    auto at = [origin](QWidget* c, const QRect& r) { c->setGeometry(r.translated(origin)); };
    at(background, QRect(0, 0, kWidth, kHeight));
    background->lower();
    at(redIcon, iconAt(kRedPlayerIcon));
    at(blueIcon, iconAt(kBluePlayerIcon));
    at(opponentButton, kOpponentButton);
    at(exitButton, kExitButton);
    at(helpButton, kHelpButton);
    at(internetButton, kInternetButton);
    at(optionsButton, kOptionsButton);
    at(connectionIcon, iconAt(kConnectionIcon));
    at(connectionCaption, kConnectionCaption);
    at(styleIcon, iconAt(kStyleIcon));
    at(styleCaption, kStyleCaption);
    at(turnIcon, iconAt(kTurnIcon));
    at(turnCaption, kTurnCaption);
    at(sizeButton, kSizeButton);
    at(playButton, kPlayButton);
    at(stopButton, kStopButton);
    scores.place(origin);
    at(result, kResultLine);
    at(helpViewer, kHelpViewer);
    at(options, kOptionsPanel);
    at(network.internetPanel(), kInternetPanel);
    at(network.chatPanel(), kChatPanel);
    raiseOverlays(options, network);
}

void WindowControls::placeBoard(QPoint origin, OptionsPanel* options, NetworkPlay& network) {
    if (const BoardGeometry* geo = geometryForBoardSize(board->boardSize()))
        board->move(origin + QPoint(geo->offsetX, geo->offsetY));
    board->raise();
    raiseOverlays(options, network);
}

void WindowControls::raiseOverlays(OptionsPanel* options, NetworkPlay& network) {
    helpViewer->raise();
    options->raise();
    network.internetPanel()->raise();
    banner->raise();
}

}  // namespace zelvan
