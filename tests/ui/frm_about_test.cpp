#include "ui/frm_about.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include "setup_fixture.h"
#include "ui/hyper_link.h"

namespace tallowen {
namespace {

// Takes the links the about window hands to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST(FrmAboutTest, ShowsVersionAndDateAndHandsBothLinksToTheDesktop) {
    PictureStore pictures;
    QWidget owner;
    frmAbout about(pictures, nullptr);
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    about.present(&owner);
    EXPECT_EQ(about.windowTitle(), "About Tallowen");
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_EQ(about.windowModality(), Qt::WindowModal);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Version 1.55e"));
    EXPECT_TRUE(texts.contains("20.01. 2001"));
    EXPECT_TRUE(texts.contains("My URL :"));

    QTest::mouseClick(about.Label3(), Qt::LeftButton);
    QTest::mouseClick(about.Label6(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toString(), kWebPage);
    EXPECT_EQ(catcher.urls[1].toString(), QString("mailto:") + kMailAddress);
    EXPECT_EQ(about.Label3()->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace tallowen

#include "frm_about_test.moc"
