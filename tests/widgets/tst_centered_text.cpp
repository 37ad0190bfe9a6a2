// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "centered_text.h"

using namespace Qt::StringLiterals;

class TstCenteredText : public QObject {
    Q_OBJECT

private slots:
    void drawsAsDrawText_data();
    void drawsAsDrawText();
};

void TstCenteredText::drawsAsDrawText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    // The keypad's captions, at its key and memory-key sizes in both layouts and at sizes
    // between; the tall ENTER key's stacked words.
    const QStringList captions = {u"7"_s, u"0"_s, u"."_s, u","_s, u"+/-"_s, u"MC"_s, u"M+"_s, u"CE"_s,
                                  u"\u2190"_s, u"\u00F7"_s, u"\u00D7"_s, u"\u2212"_s, u"%"_s, u"="_s,
                                  u"+"_s, u"EN\nTER"_s};
    for (const QString& caption : captions) {
        for (const int size : {17, 14, 11, 9, 13, 16, 20})
            QTest::addRow("%s at %d px", qPrintable(QString(caption).replace(u'\n', u'|')), size) << caption << size;
    }
}

// Shaped once, the caption lands on the same pixels as drawText would put it, in a key's area
// up or pressed (moved by half a pixel across and one down).
void TstCenteredText::drawsAsDrawText()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFont font;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    CenteredText centered;
    for (const QSize key : {QSize(60, 34), QSize(61, 35), QSize(60, 80)}) {
        for (const QPointF pressed : {QPointF(0, 0), QPointF(0.5, 1)}) {
            const QRectF area = QRectF(QPointF(), key).adjusted(0.5, 0.5, -0.5, -0.5).translated(pressed);
            const auto drawn = [&](const std::function<void(QPainter&)>& draw) {
                QImage picture(key + QSize(2, 2), QImage::Format_RGB32);
                picture.fill(Qt::white);
                QPainter painter(&picture);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QColor(0x1d, 0x26, 0x33));
                painter.setFont(font);
                draw(painter);
                return picture;
            };
            const QImage expected = drawn([&](QPainter& painter) { painter.drawText(area, Qt::AlignCenter, text); });
            QCOMPARE(drawn([&](QPainter& painter) { centered.draw(painter, area, text); }), expected);
        }
    }
}

QTEST_MAIN(TstCenteredText)
#include "tst_centered_text.moc"
