// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "app_picture.h"

using namespace Qt::StringLiterals;

class TstAppPicture : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void builtInPictureHasEverySize();
    void installedThemeIconComesFirst();
};

void TstAppPicture::cleanup()
{
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName({});
}

// An uninstalled build: no theme has the icon, so the compiled-in renderings stand in, sharp at
// every size the theme would install.
void TstAppPicture::builtInPictureHasEverySize()
{
    QTemporaryDir empty;
    QIcon::setThemeSearchPaths({empty.path()});
    const QIcon icon = appIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.name(), QString());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    // Drawn, not blank: the machine body's dark colour is at the centre of the bottom half.
    const QImage picture = icon.pixmap(QSize(64, 64)).toImage();
    QCOMPARE(picture.size(), QSize(64, 64));
    QVERIFY(qAlpha(picture.pixel(10, 58)) > 200);
    QCOMPARE(qAlpha(picture.pixel(1, 1)), 0);
}

// Installed, the picture comes through the icon theme, as the desktop shows it.
void TstAppPicture::installedThemeIconComesFirst()
{
    QTemporaryDir icons;
    const QString folder = icons.filePath(u"hicolor/48x48/apps"_s);
    QVERIFY(QDir().mkpath(folder));
    QFile index(icons.filePath(u"hicolor/index.theme"_s));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nType=Fixed\n");
    index.close();
    QImage red(48, 48, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder + u"/numerette.png"_s));
    QIcon::setThemeSearchPaths({icons.path()});
    QIcon::setThemeName(u"hicolor"_s);

    const QIcon icon = appIcon();
    QCOMPARE(icon.name(), u"numerette"_s);
    QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().pixelColor(24, 24), QColor(Qt::red));
}

QTEST_MAIN(TstAppPicture)
#include "tst_app_picture.moc"
