#include "dark_theme.h"
#include "displays/framed_tab.h"
#include "displays/masked_picture.h"
#include "displays_pixels.h"
#include "wqgame/resource_module.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quintaro;
using namespace quintaro::test;

namespace {

const QColor none(0x12, 0x34, 0x56);

// A row of 81 x 24 tabs at (17 + 80 i, 5) over one page, as in the About box.
struct Dialog {
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::vector<FramedTab*> tabs;
    explicit Dialog(int count, QRect page = QRect(QPoint(10, 0), QPoint(469, 359))) {
        widget->resize(480, 404);
        for (int i = 0; i < count; ++i)
            tabs.push_back(new FramedTab(widget.get(), QRect(17 + 80 * i, 5, 81, 24),
                                         QStringLiteral("&Tab %1").arg(i + 1), page, i == 0));
    }
};

QImage frame(const FramedTab& tab, bool group) {
    QImage image(480, 404, QImage::Format_RGB32);
    image.fill(none);
    QPainter painter(&image);
    group ? tab.paintGroupFrame(painter) : tab.paintPageFrame(painter);
    return image;
}

// The classic 3-D colours, whatever the desktop theme.
const QColor face(192, 192, 192);

// Probes "k@x,y" and so on: k black, f face, l light, s shadow, - left as it was.
void expectPixels(const QImage& image, const QString& probes) {
    const QHash<QChar, QRgb> colours{{u'k', qRgb(0, 0, 0)},
                                     {u'f', face.rgb()},
                                     {u'l', qRgb(255, 255, 255)},
                                     {u's', qRgb(128, 128, 128)},
                                     {u'-', none.rgb()}};
    for (const QString& probe : probes.split(u' ')) {
        const QStringList xy = probe.mid(2).split(u',');
        QVERIFY2(image.pixel(xy[0].toInt(), xy[1].toInt()) == colours[probe[0]], qPrintable(probe));
    }
}

// (target AND mask) OR picture over the whole picture at `at`.
bool showsMaskedPicture(const QImage& image, QPoint at, const QImage& sheet) {
    const QSize size = maskedPictureSize(sheet);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (image.pixel(at.x() + x, at.y() + y) !=
                ((none.rgb() & sheet.pixel(x + size.width(), y)) | sheet.pixel(x, y)))
                return false;
    return true;
}

} // namespace

class FramedTabTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Under a dark theme: the tabs and their frame keep the classic colours and dark text.
    void selectedTabIsOpenTowardsItsPageAndTheFrameUnderIt() {
        const DarkTheme theme;
        Dialog dialog(3);
        QCOMPARE(dialog.tabs[1]->pageRect().top(), 5 + 24 - 3);
        dialog.tabs[1]->select(true);
        // R = 80, B = 23.
        expectPixels(renderOn(*dialog.tabs[1], none),
                     "f@0,0 k@0,10 l@2,10 f@3,10 l@10,2 f@10,3 k@80,10 s@78,10 f@77,10 "
                     "l@0,23 l@0,22 k@0,21 s@80,23 s@80,22 f@5,23 f@5,21");
        // An unselected tab carries the frame's top border across its foot.
        const QImage unselected = renderOn(*dialog.tabs[2], none);
        expectPixels(unselected, "l@1,10 f@2,10 l@10,1 f@10,2 s@79,10 f@78,10 l@40,23 l@40,22 "
                                 "k@40,21 l@80,23");
        QVERIFY(!dialog.tabs[2]->hasFocus());
        QVERIFY(inkContrast(unselected, QRect(20, 4, 41, 14), face) >= readableContrast);
        // L = 10, T = 26, Rr = 469, Bb = 359; the selected tab runs from 97 to 177.
        const QImage image = frame(*dialog.tabs[1], false);
        expectPixels(image, "-@10,26 -@469,26 -@10,359 -@469,359 k@11,26 k@97,26 k@177,26 k@469,27 "
                            "k@11,359 k@10,27 -@98,26 -@176,26 -@137,27 l@12,28 l@97,28 l@177,27 "
                            "l@12,200 -@13,200 s@467,28 s@467,200 s@12,357");
        // Any tab of the group paints the frame of the selected one.
        QCOMPARE(frame(*dialog.tabs[0], true), image);
        QVERIFY(frame(*dialog.tabs[0], false) != image);
    }

    void selectionShowsOnePageAndTakesTheFocus() {
        Dialog dialog(3);
        std::vector<QLabel*> pages;
        for (FramedTab* tab : dialog.tabs) {
            pages.push_back(new QLabel(QStringLiteral("page"), dialog.widget.get()));
            tab->addPageControl(pages.back());
        }
        dialog.widget->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.widget.get()));
        const auto expectSelected = [&](int selected) {
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(dialog.tabs[i]->isSelected(), i == selected);
                QCOMPARE(pages[i]->isHidden(), i != selected);
            }
            QVERIFY(dialog.tabs[selected]->hasFocus());
        };
        dialog.tabs[0]->select(true);
        expectSelected(0);
        QTest::mouseClick(dialog.tabs[2], Qt::LeftButton, {}, QPoint(40, 12));
        expectSelected(2);
        QTest::keyClick(dialog.tabs[1], Qt::Key_A);
        expectSelected(2);
        QTest::keyClick(dialog.tabs[0], Qt::Key_Space);
        expectSelected(0);
        QTest::keyClick(dialog.tabs[1], Qt::Key_Space, Qt::ShiftModifier);
        expectSelected(1);
        QTest::keyClick(dialog.tabs[2], Qt::Key_Space, Qt::ControlModifier);
        expectSelected(2);

        // Selecting the selected tab again changes nothing but the focus.
        const QImage before = renderOn(*dialog.widget, none);
        dialog.tabs[0]->setFocus();
        QSignalSpy changes(dialog.tabs[2], &FramedTab::selectionChanged);
        dialog.tabs[2]->select(true);
        expectSelected(2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(renderOn(*dialog.widget, none), before);

        // The focus rectangle runs one pixel outside the text, only while focused.
        const QFontMetrics metrics = dialog.tabs[2]->fontMetrics();
        const int width = metrics.size(Qt::TextShowMnemonic, QStringLiteral("&Tab 3")).width();
        const QRect focus((81 - width) / 2 - 1, (24 - metrics.height()) / 2 - 1, width + 2,
                          metrics.height() + 2);
        QCOMPARE(dialog.tabs[2]->focusRect(), focus);
        const QRect edge(focus.topLeft(), QSize(focus.width(), 1));
        const QColor ink(0, 0, 0);
        QVERIFY(anyPixel(renderOn(*dialog.tabs[2], none), edge, is(ink)));
        dialog.tabs[0]->setFocus();
        QVERIFY(!anyPixel(renderOn(*dialog.tabs[2], none), edge, is(ink)));

        // Alt with a tab's marked letter selects it.
        auto* marked = new FramedTab(dialog.widget.get(), QRect(260, 5, 81, 24),
                                     QStringLiteral("&Zeta"), QRect(10, 0, 505, 196), false);
        marked->show();
        QTest::keyClick(dialog.widget.get(), Qt::Key_Z, Qt::AltModifier);
        QVERIFY(marked->isSelected());
        QVERIFY(!dialog.tabs[2]->isSelected());
    }

    void decorationRowRunsAlongTheFrameBottom() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        Dialog dialog(1);
        const QImage& row = FramedTab::decoration(0);
        const QImage& closing = FramedTab::decoration(1);
        QVERIFY(!row.isNull() && !closing.isNull());
        const int p = maskedPictureSize(row).width();
        const QImage image = frame(*dialog.tabs[0], false);
        // From L + 16 while x < Rr - p - 16, at Bb - 14; then the closing one at Bb + 1.
        int x = 26;
        for (; x < 469 - p - 16; x += p)
            QVERIFY(showsMaskedPicture(image, QPoint(x, 345), row));
        QVERIFY(showsMaskedPicture(image, QPoint(x, 360), closing));

        Dialog narrow(1, QRect(QPoint(10, 0), QPoint(10 + p + 32, 300)));
        const QImage small = frame(*narrow.tabs[0], false);
        QVERIFY(showsMaskedPicture(small, QPoint(26, 301), closing));
        QVERIFY(!showsMaskedPicture(small, QPoint(26, 286), row));
    }

    // Run after the library is open: the last tab to go drops the decorations, while a
    // second group's selection leaves the first group's alone.
    void groupsAreIndependentAndTheLastTabDropsTheDecorations() {
        {
            Dialog first(3);
            Dialog second(2);
            QVERIFY(!FramedTab::decoration(0).isNull());
            first.tabs[1]->select(true);
            second.tabs[1]->select(true);
            QVERIFY(first.tabs[1]->isSelected());
        }
        QCOMPARE(FramedTab::tabCount(), 0);
        QVERIFY(FramedTab::decoration(0).isNull() && FramedTab::decoration(1).isNull());
    }
};

QTEST_MAIN(FramedTabTest)
#include "framed_tab_test.moc"
