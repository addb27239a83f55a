#pragma once

#include <QImage>
#include <QMap>
#include <QTextBrowser>
#include <QWidget>
#include <functional>

class QListWidget;

namespace tallowen {

// The page of the help: the text of one section, its pictures drawn by the game's painter from
// the positions the rules play, at the screen's pixel ratio.
class HelpPage : public QTextBrowser {
public:
    explicit HelpPage(QWidget* parent);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QMap<QString, QImage> pictures_;
    double ratio_ = 0;  // of the pictures kept
};

// The How-to-play window ("Tallowen - How to play"): the sections listed on the left, the chosen
// one on the right. Modeless and one for the program; it keeps its place and its page between
// showings.
class HelpWindow : public QWidget {
public:
    HelpWindow();

    // Shows the window in front, where it was last.
    void present();
    QListWidget* contents() const { return contents_; }
    HelpPage* page() const { return page_; }

private:
    void showSection(int index);

    QListWidget* contents_;
    HelpPage* page_;
};

// F1 in every window of the program: an event filter on the application.
class HelpKey : public QObject {
public:
    explicit HelpKey(std::function<void()> open) : open_(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> open_;
};

}  // namespace tallowen
