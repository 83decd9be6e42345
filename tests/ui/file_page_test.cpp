// The file page: a click on "..." asks for a file, analyses it and lists what was found. The
// media detector is a scripted fake; the files themselves are real (their existence is checked).
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/lumora_demo_unit.h"
#include "app/page_text/file_page_lines.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/widget_texts.h"

using namespace lumora::testing;

namespace {

constexpr uint16_t kPcm = 0x0001;
constexpr uint16_t kMp3 = 0x0055;

FakeStream Video(LONG width, LONG height, const char (&fourcc)[5], DWORD bitRate, double rate,
                 double length) {
    FakeStream stream =
        VideoInfoStream(width, height, MakeFourCC(fourcc[0], fourcc[1], fourcc[2], fourcc[3]), bitRate);
    stream.rate = rate;
    stream.length = length;
    return stream;
}

FakeStream Audio(WORD tag, WORD channels, DWORD sampleRate, WORD bits, DWORD bytesPerSecond, double length) {
    FakeStream stream = WaveStream(tag, channels, sampleRate, bits, bytesPerSecond);
    stream.length = length;
    return stream;
}

}  // namespace

class FilePageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        script_ = {};
        detector_ = std::make_unique<ScopedFakeMediaDetector>(script_);
        form_ = std::make_unique<TForm1>();
        form_->Lumora.SetDecimalSeparator(".");
        form_->OpenDialog1.SetChooser([this](QWidget*, const TOpenDialog& dialog) {
            askedFilters_ << dialog.FilterName();
            return answer_;
        });
        askedFilters_.clear();
    }
    void cleanup() {
        form_.reset();
        detector_.reset();
    }

    void cancelChangesNothing() {
        answer_.reset();
        form_->btOpenFile->click();
        QCOMPARE(askedFilters_, QStringList{QStringLiteral("Все файлы")});
        QCOMPARE(form_->list->count(), 0);
        QVERIFY(form_->edFilename->text().isEmpty());

        const QString video = VideoWithTwoAudioStreams(QStringLiteral("film.avi"));
        Choose(video);
        const QStringList before = Items(*form_->list);
        answer_.reset();
        form_->btOpenFile->click();
        QCOMPARE(Items(*form_->list), before);
        QCOMPARE(form_->edFilename->text(), video);
        QCOMPARE(form_->Lumora.FileName(), video.toStdString());
        QCOMPARE(OpenedPaths().size(), size_t{1});
    }

    void theBusyCursorShowsWhileTheFileIsRead() {
        std::optional<Qt::CursorShape> during;
        script_.onOpen = [&] {
            if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
        };
        Choose(VideoWithTwoAudioStreams(QStringLiteral("film.avi")));
        QCOMPARE(during, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QVERIFY2(!QApplication::overrideCursor(), "restored when the reading is over");
    }

    void videoWithTwoAudioStreams() {
        const QString video = VideoWithTwoAudioStreams(QStringLiteral("film.avi"));
        Choose(video);
        QCOMPARE(form_->edFilename->text(), video);
        QCOMPARE(form_->Lumora.FileName(), video.toStdString());
        QCOMPARE(OpenedPaths(), std::vector<std::string>{video.toStdString()});

        const QStringList lines = Items(*form_->list);
        QCOMPARE(lines.size(), 28);
        QCOMPARE(lines, Texts(FilePageLines(form_->Lumora)));
        QCOMPARE(lines[0], QStringLiteral("********* ВИДЕО *********"));
        QCOMPARE(lines[2], QStringLiteral("Длина: 00:03"));
        QCOMPARE(lines[3], QStringLiteral("Ширина: 640"));
        QCOMPARE(lines[4], QStringLiteral("Высота: 480"));
        QCOMPARE(lines[5], QStringLiteral("FOURCC: XVID"));
        QCOMPARE(lines[7], QStringLiteral("Частота кадров: 25"));
        QCOMPARE(lines[8], QStringLiteral("Битрейт: 1500000"));
        QCOMPARE(lines[9], QStringLiteral("Число кадров: 75"));
        QCOMPARE(lines[10], QStringLiteral("********* АУДИО *********"));
        QCOMPARE(lines[11], QStringLiteral("Аудио #1"));
        QCOMPARE(lines[13], QStringLiteral("Инфа кодека: "));
        QCOMPARE(lines[16], QStringLiteral("Каналы: 2"));
        QCOMPARE(lines[17], QStringLiteral("Частота: 48000"));
        QCOMPARE(lines[18], QStringLiteral("BPS: 16"));
        QCOMPARE(lines[20], QStringLiteral("Аудио #2"));
        QCOMPARE(lines[25], QStringLiteral("Каналы: 1"));
        QCOMPARE(lines[27], QStringLiteral("BPS: 0"));
    }

    // The window hands the component the user's decimal separator; the lines carry it.
    void decimalSeparator() {
        form_->Lumora.SetDecimalSeparator(",");
        const QString path = MakeFile(QStringLiteral("ntsc.avi"));
        script_.streams = {Video(720, 480, "DX50", 0, 30000.0 / 1001.0, 10)};
        Choose(path);
        QCOMPARE(Items(*form_->list).value(7), QStringLiteral("Частота кадров: 29,97002997003"));
    }

    void secondFileReplacesEveryLine() {
        Choose(VideoWithTwoAudioStreams(QStringLiteral("first.avi")));
        const QString second = MakeFile(QStringLiteral("second.avi"));
        script_.streams = {Video(320, 240, "DIVX", 800000, 30, 4), Audio(kMp3, 2, 44100, 0, 16000, 4)};
        Choose(second);
        const QStringList lines = Items(*form_->list);
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines, Texts(FilePageLines(form_->Lumora)));
        QCOMPARE(lines[3], QStringLiteral("Ширина: 320"));
        QVERIFY(!lines.contains(QStringLiteral("Ширина: 640")));
        QVERIFY(!lines.contains(QStringLiteral("Аудио #2")));
        QCOMPARE(form_->edFilename->text(), second);
    }

    // Nothing of the earlier video remains in the video block.
    void audioOnlyAfterVideo() {
        Choose(VideoWithTwoAudioStreams(QStringLiteral("film.avi")));
        const QString song = MakeFile(QStringLiteral("song.wav"));
        script_.streams = {Audio(kPcm, 2, 44100, 16, 176400, 61)};
        Choose(song);
        const QStringList lines = Items(*form_->list);
        QCOMPARE(lines.mid(0, 10),
                 (QStringList{"********* ВИДЕО *********", "Кодек: ", "Длина: ", "Ширина: 0", "Высота: 0",
                              "FOURCC: ", "Отношение сторон: ", "Частота кадров: 0", "Битрейт: 0",
                              "Число кадров: 0"}));
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[11], QStringLiteral("Аудио #1"));
        QCOMPARE(lines[14], QStringLiteral("Длина: 01:01"));
    }

    // A file that cannot be analysed shows an empty video block and says why on its last line.
    void failedFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("marker");
        QTest::newRow("refused by the detector") << true << QStringLiteral("ERROR");
        QTest::newRow("gone") << false << QStringLiteral("FILE NOT FOUND");
    }
    void failedFile() {
        QFETCH(bool, exists);
        QFETCH(QString, marker);
        Choose(VideoWithTwoAudioStreams(QStringLiteral("film.avi")));
        const QString broken = exists ? MakeFile(QStringLiteral("broken.mkv")) : folder_.filePath("gone.mkv");
        script_.openResult = E_FAIL;
        Choose(broken);
        const QStringList lines = Items(*form_->list);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.last(), marker);
        QCOMPARE(lines[1], QStringLiteral("Кодек: "));
        QCOMPARE(lines[3], QStringLiteral("Ширина: 0"));
        QCOMPARE(form_->edFilename->text(), broken);
    }

    // The path reaches the detector byte for byte, spaces and Cyrillic included.
    void pathOutsideAscii() {
        const QString path = VideoWithTwoAudioStreams(QStringLiteral("Моё видео #1 (копия).avi"));
        Choose(path);
        QCOMPARE(form_->Lumora.FileName(), std::string(QFile::encodeName(path).constData()));
        QCOMPARE(OpenedPaths().back(), form_->Lumora.FileName());
        QCOMPARE(form_->list->count(), 28);
        QCOMPARE(form_->edFilename->text(), path);
    }

    // Enter in the edit box opens the typed path as "..." opens a chosen one; nothing typed, nothing.
    void enterOpensTheTypedPath() {
        QTest::keyClick(form_->edFilename, Qt::Key_Return);
        const QString path = VideoWithTwoAudioStreams(QStringLiteral("typed.avi"));
        QTest::keyClicks(form_->edFilename, path);
        QTest::keyClick(form_->edFilename, Qt::Key_Return);
        QCOMPARE(OpenedPaths(), std::vector<std::string>{path.toStdString()});
        QCOMPARE(Items(*form_->list), Texts(FilePageLines(form_->Lumora)));
    }

private:
    QString MakeFile(const QString& name) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot create %s", qPrintable(path));
        file.write("not read: the detector is scripted");
        return path;
    }

    // XVID 640×480 at 25 fps, 3 s; PCM stereo and MP3 mono.
    QString VideoWithTwoAudioStreams(const QString& name) {
        const QString path = MakeFile(name);
        script_.openResult = S_OK;
        script_.streams = {Video(640, 480, "XVID", 1500000, 25, 3), Audio(kPcm, 2, 48000, 16, 192000, 3),
                           Audio(kMp3, 1, 22050, 0, 8000, 3)};
        return path;
    }

    void Choose(const QString& path) {
        answer_ = path;
        form_->btOpenFile->click();
    }

    // The paths the detector was given, in order.
    std::vector<std::string> OpenedPaths() const {
        const std::string prefix = "put_Filename ";
        std::vector<std::string> paths;
        for (const std::string& call : script_.calls)
            if (call.rfind(prefix, 0) == 0) paths.push_back(call.substr(prefix.size()));
        return paths;
    }

    QTemporaryDir folder_;
    FakeMediaScript script_;
    std::unique_ptr<ScopedFakeMediaDetector> detector_;
    std::unique_ptr<TForm1> form_;
    std::optional<QString> answer_;
    QStringList askedFilters_;
};

QTEST_MAIN(FilePageTest)
#include "file_page_test.moc"
