// The pictures built into the program and the help file beside it.
#include "frame/CuePlayer.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

// The pictures live in the core library's resources, which a program has to pull in by name.
static void loadPictures()
{
    Q_INIT_RESOURCE(kazemaru);
}

namespace kazemaru {

class TestAssets : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { loadPictures(); }

    void picturesLoadAtTheirSizes_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("guide") << u":/guide.svg"_s << QSize(64, 64);
        QTest::newRow("icon") << u":/kazemaru.svg"_s << QSize(128, 128);
        QTest::newRow("bracket") << u":/bracket.svg"_s << QSize(17, 33);
        QTest::newRow("arrow") << u":/arrow.svg"_s << QSize(20, 11);
        QTest::newRow("segment") << u":/segment.svg"_s << QSize(545, 65);
    }

    void picturesLoadAtTheirSizes()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QSvgRenderer svg(resource);
        QVERIFY2(svg.isValid(), qPrintable(resource));
        QCOMPARE(svg.defaultSize(), size);
        QCOMPARE(svg.viewBoxF().size(), QSizeF(size));
    }

    void helpFileIsUtf8HtmlWithWorkingContents()
    {
        QFile file(programFolder() + u"Kazemaru.hlp"_s);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains(R"(<meta charset="utf-8">)"));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(bytes);
        QVERIFY(!utf8.hasError());

        QTextDocument doc;
        doc.setHtml(html);
        QVERIFY(!doc.metaInformation(QTextDocument::DocumentTitle).isEmpty());

        // Every entry of the table of contents leads to a place in the file.
        QSet<QString> anchors;
        for (const auto& m : QRegularExpression(uR"re(<a name="([^"]+)")re"_s).globalMatch(html))
            anchors.insert(m.captured(1));
        int links = 0;
        for (const auto& m : QRegularExpression(uR"re(<a href="#([^"]+)")re"_s).globalMatch(html)) {
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++links;
        }
        QVERIFY(links >= 12);

        // The lessons are named as the contents screen's buttons name them.
        const QString text = doc.toPlainText();
        for (const QString& lesson :
             {u"何千兆まで"_s, u"何十、何百をわる"_s, u"１けたでわる"_s, u"何十、何百でわる"_s, u"２けたでわる"_s,
              u"３けたでわる"_s, u"小数のしくみ"_s, u"たし算・ひき算１"_s, u"たし算・ひき算２"_s, u"四捨五入"_s,
              u"長方形や正方形"_s, u"計算のきまり"_s, u"分数について"_s, u"ドリル"_s, u"kyozai"_s})
            QVERIFY2(text.contains(lesson), qPrintable(lesson));
    }
};

} // namespace kazemaru

QTEST_MAIN(kazemaru::TestAssets)
#include "tst_assets.moc"
