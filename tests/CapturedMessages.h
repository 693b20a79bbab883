#ifndef SWIRLFALL_CAPTUREDMESSAGES_H
#define SWIRLFALL_CAPTUREDMESSAGES_H

#include <QString>
#include <QtGlobal>

// What the game says through its logging category ("swirlfall") while one of these lives, as a
// player finds it on standard error: "swirlfall: " and the message, a line each. Qt's own messages
// go on to the test's log.
class CapturedMessages
{
public:
    CapturedMessages()
    {
        said().clear();
        previous() = qInstallMessageHandler(&CapturedMessages::take);
    }
    ~CapturedMessages() { qInstallMessageHandler(previous()); }
    CapturedMessages(const CapturedMessages &) = delete;
    CapturedMessages &operator=(const CapturedMessages &) = delete;

    QString text() const { return said(); }

private:
    static QString &said()
    {
        static QString lines;
        return lines;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void take(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (qstrcmp(context.category, "swirlfall") != 0)
            return previous()(type, context, message);
        said() += QLatin1String(context.category) + QStringLiteral(": ") + message + QLatin1Char('\n');
    }
};

#endif
