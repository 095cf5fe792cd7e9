#include "app/about_dialog.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget *target, QEvent::Type type, QPoint at)
{
    const QPointF local(at);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void click(QWidget *target)
{
    mouse(target, QEvent::MouseButtonPress, target->rect().center());
    mouse(target, QEvent::MouseButtonRelease, target->rect().center());
}

void enter(QWidget *target)
{
    const QPointF local(target->rect().center());
    QEnterEvent event(local, local, target->mapToGlobal(local));
    QCoreApplication::sendEvent(target, &event);
}

void leave(QWidget *target)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

TEST(AboutDialog, LabelsTopToBottomWithTheirTextsAndColours)
{
    AboutDialog form;
    const QColor navy(0x00, 0x00, 0x80);
    const struct {
        QLabel *label;
        QString text;
        bool isNavy;
    } expected[] = {
        {controlOf<QLabel>(&form, "Label2"), QStringLiteral("Название: \"Brindlemark\""), true},
        {controlOf<QLabel>(&form, "Label6"), QStringLiteral("Версия: 1.3 от 15 апреля."), true},
        {controlOf<QLabel>(&form, "Label1"), QStringLiteral("Автор: Brindlemark team (brindlemark)"), true},
        {controlOf<QLabel>(&form, "Label8"), QStringLiteral("Расчеты: Brindlemark team (calc)"), true},
        {controlOf<QLabel>(&form, "Label3"), QStringLiteral("   Brindlemark Club   "), false},
        {controlOf<QLabel>(&form, "Label4"), QStringLiteral("https://brindlemark.example.org/"), false},
        {controlOf<QLabel>(&form, "Label5"), QStringLiteral("Форум Brindlemark"), false},
        {controlOf<QLabel>(&form, "Label7"), QStringLiteral("2026"), false},
    };
    form.show();
    QApplication::processEvents();
    int previousBottom = -1;
    for (const auto &e : expected) {
        const std::string name = e.label->objectName().toStdString();
        EXPECT_EQ(e.label->text(), e.text) << name;
        EXPECT_EQ(e.label->palette().color(QPalette::WindowText) == navy, e.isNavy) << name;
        EXPECT_GT(e.label->y(), previousBottom) << name << " is below the one before";
        previousBottom = e.label->geometry().bottom();
    }
    EXPECT_TRUE(controlOf<QLabel>(&form, "Label3")->autoFillBackground());
    EXPECT_EQ(controlOf<QLabel>(&form, "Label3")->palette().color(QPalette::Window),
              QColor(0xFF, 0x00, 0x00));
    EXPECT_TRUE(controlOf<QLabel>(&form, "Label5")->autoFillBackground());
    EXPECT_EQ(controlOf<QLabel>(&form, "Label5")->palette().color(QPalette::Window),
              QColor(0x00, 0x80, 0x00));
}

TEST(AboutDialog, FixedClientAreaWithOnlyACloseBox)
{
    AboutDialog form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(form.minimumSize(), QSize(232, 154));
    EXPECT_EQ(form.maximumSize(), QSize(232, 154));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(AboutDialog, EveryLabelFitsTheClientArea)
{
    AboutDialog form;
    form.show();
    QApplication::processEvents();
    for (QLabel *label : form.findChildren<QLabel *>()) {
        const std::string name = label->objectName().toStdString();
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        EXPECT_GE(label->height(), label->sizeHint().height()) << name;
        EXPECT_TRUE(form.rect().contains(label->geometry())) << name;
    }
}

TEST(AboutDialog, ClickingTheLinksAsksTheDesktopToOpenThem)
{
    MessageRecorder recorder;
    AboutDialog form;
    form.show();
    click(controlOf<QLabel>(&form, "Label4"));
    click(controlOf<QLabel>(&form, "Label5"));
    ASSERT_EQ(recorder.openedUrls.size(), 2u);
    EXPECT_EQ(recorder.openedUrls[0], QUrl(QStringLiteral("https://brindlemark.example.org/")));
    EXPECT_EQ(recorder.openedUrls[1],
              QUrl(QStringLiteral("https://forum.brindlemark.example.org/index.php?showforum=85")));
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(AboutDialog, PressAndReleaseElsewhereIsNoClick)
{
    MessageRecorder recorder;
    AboutDialog form;
    form.show();
    mouse(controlOf<QLabel>(&form, "Label4"), QEvent::MouseButtonPress,
          controlOf<QLabel>(&form, "Label4")->rect().center());
    mouse(controlOf<QLabel>(&form, "Label4"), QEvent::MouseButtonRelease, QPoint(-5, -5));
    mouse(controlOf<QLabel>(&form, "Label1"), QEvent::MouseButtonPress,
          controlOf<QLabel>(&form, "Label1")->rect().center());
    mouse(controlOf<QLabel>(&form, "Label5"), QEvent::MouseButtonRelease,
          controlOf<QLabel>(&form, "Label5")->rect().center());
    click(controlOf<QLabel>(&form, "Label3"));
    EXPECT_TRUE(recorder.openedUrls.empty());
}

TEST(AboutDialog, SiteLinkIsUnderlinedOnlyWhileThePointerIsOverIt)
{
    AboutDialog form;
    form.show();
    EXPECT_FALSE(controlOf<QLabel>(&form, "Label4")->font().underline());
    enter(controlOf<QLabel>(&form, "Label4"));
    EXPECT_TRUE(controlOf<QLabel>(&form, "Label4")->font().underline());
    EXPECT_EQ(controlOf<QLabel>(&form, "Label4")->font().pixelSize(), 11) << "only the style changes";
    leave(controlOf<QLabel>(&form, "Label4"));
    EXPECT_FALSE(controlOf<QLabel>(&form, "Label4")->font().underline());

    enter(controlOf<QLabel>(&form, "Label5"));
    EXPECT_FALSE(controlOf<QLabel>(&form, "Label5")->font().underline())
        << "the forum link has no hover effect";
}

TEST(AboutDialog, LinksShowTheHandCursor)
{
    AboutDialog form;
    EXPECT_EQ(controlOf<QLabel>(&form, "Label4")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(controlOf<QLabel>(&form, "Label5")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(controlOf<QLabel>(&form, "Label3")->cursor().shape(), Qt::ArrowCursor);
}
