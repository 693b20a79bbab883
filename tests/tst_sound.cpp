// Guards what a player hears, apart from any window: every sound the same bytes on every build
// (a change to a note or the voice shows as another checksum here), none louder than the game's
// peak nor so quiet it is lost, none starting or ending with a click; and an output that cannot
// be opened keeps the game silent without a word from the audio libraries on standard error.
#include "sound/SoundBank.h"
#include "sound/SoundDevice.h"

#include <QCryptographicHash>
#include <QTemporaryFile>
#include <QtEndian>
#include <QTest>

#include <cstdio>
#include <unistd.h>

class SoundTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void soundsAreMadeAlike_data();
    void soundsAreMadeAlike();
    void noOutputIsSilent_data();
    void noOutputIsSilent();

private:
    QTemporaryFile noCards;
};

void SoundTest::initTestCase()
{
    // A machine without a sound card, wherever the test runs: OpenAL tries ALSA alone, whose
    // default output is a card no machine has, and says so, as it does on such a machine.
    QVERIFY(noCards.open() && noCards.write("pcm.!default { type hw card 31 }\n") > 0 && noCards.flush());
    qputenv("ALSOFT_DRIVERS", "alsa");
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(noCards.fileName()));
}

void SoundTest::soundsAreMadeAlike_data()
{
    QTest::addColumn<Sound>("sound");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QByteArray>("sha1");

    QTest::newRow("a red well: high") << Sound::RedWellSet << 110 << QByteArray("7bd00f8cef60da7d425b765253ee9335adf41a62");
    QTest::newRow("a blue well: low") << Sound::BlueWellSet << 110 << QByteArray("337e0eae8a868f6d626ae58929260cfd31c83b80");
    QTest::newRow("a well removed: falling") << Sound::WellRemoved << 140 << QByteArray("4efc0ca9095f21744adc5fcac63f4c0f9488b815");
    QTest::newRow("a particle home: softer") << Sound::ParticleHome << 140 << QByteArray("78895c41a5e8e3d526e72da5b0ad474ef14aa255");
    QTest::newRow("failed: falling slowly") << Sound::LevelFailed << 490 << QByteArray("f0fc53d20150104fa0b45986ad35948e8ba03642");
    QTest::newRow("passed: rising") << Sound::LevelPassed << 560 << QByteArray("06809d79d4d2da3970e164822302034143f3b9bd");
    QTest::newRow("a record: rising further") << Sound::NewRecord << 760 << QByteArray("b9512f50607f36e7a6e57c7bc18301f7a6f1ce57");
}

void SoundTest::soundsAreMadeAlike()
{
    QFETCH(Sound, sound);
    QFETCH(int, milliseconds);
    QFETCH(QByteArray, sha1);

    const QByteArray bytes = SoundBank::samples(sound);
    QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(), sha1);
    const int count = int(bytes.size() / sizeof(qint16));
    QCOMPARE(count, SoundBank::sampleRate * milliseconds / 1000);
    int loudest = 0;
    for (int i = 0; i < count; ++i)
        loudest = qMax(loudest, qAbs(int(qFromLittleEndian<qint16>(bytes.constData() + i * sizeof(qint16)))));
    QVERIFY2(loudest <= SoundBank::peak && loudest > SoundBank::peak / 3, qPrintable(QString::number(loudest)));
    // No click: the first and the last samples near silence.
    const int edge = SoundBank::peak / 100;
    QVERIFY(qAbs(qFromLittleEndian<qint16>(bytes.constData())) <= edge);
    QVERIFY(qAbs(qFromLittleEndian<qint16>(bytes.constData() + bytes.size() - sizeof(qint16))) <= edge);
}

void SoundTest::noOutputIsSilent_data()
{
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("the default output") << QByteArray();
    QTest::newRow("an output named that is not there") << QByteArray("no such output");
}

void SoundTest::noOutputIsSilent()
{
    QFETCH(QByteArray, output);

    // Standard error as a file for the while: what the audio libraries would print lands there.
    QTemporaryFile said;
    QVERIFY(said.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(said.handle(), STDERR_FILENO);
    {
        SoundDevice none(output);
        QVERIFY(!none.isOpen());
        QVERIFY(!none.error().isEmpty());
        none.play(Sound::LevelPassed);
    }
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    // Written through the descriptor, which is now at the end of what was said.
    QVERIFY(said.seek(0));
    QCOMPARE(said.readAll(), QByteArray());
}

QTEST_GUILESS_MAIN(SoundTest)
#include "tst_sound.moc"
