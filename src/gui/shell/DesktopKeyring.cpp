#include "gui/shell/DesktopKeyring.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <functional>

#include <qt6keychain/keychain.h>

namespace korvant::gui {
namespace {

// Starts `job` and waits for its end; the job deletes itself once finished,
// also after a wait that gave up.
PasswordKeyring::Outcome runJob(QKeychain::Job* job, int timeoutMs, QString& error,
                                const std::function<void(QKeychain::Job*)>& done = {}) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    PasswordKeyring::Outcome outcome = PasswordKeyring::Outcome::Unavailable;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* ended) {
        finished = true;
        switch (ended->error()) {
            case QKeychain::NoError:
                outcome = PasswordKeyring::Outcome::Done;
                if (done) done(ended);
                error.clear();
                break;
            case QKeychain::EntryNotFound:
                outcome = PasswordKeyring::Outcome::NotFound;
                error = ended->errorString();
                break;
            default:
                outcome = PasswordKeyring::Outcome::Unavailable;
                error = ended->errorString();
                break;
        }
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) error = QStringLiteral("桌面密钥环没有应答");
    return outcome;
}

}  // namespace

DesktopKeyring::DesktopKeyring(QString service, int timeoutMs)
    : service_(std::move(service)), timeoutMs_(timeoutMs) {}

PasswordKeyring::Outcome DesktopKeyring::store(const std::string& key,
                                               const std::string& password) {
    auto* job = new QKeychain::WritePasswordJob(service_);
    job->setKey(QString::fromStdString(key));
    job->setTextData(QString::fromStdString(password));
    return runJob(job, timeoutMs_, lastError_);
}

PasswordKeyring::Outcome DesktopKeyring::read(const std::string& key, std::string& password) {
    auto* job = new QKeychain::ReadPasswordJob(service_);
    job->setKey(QString::fromStdString(key));
    return runJob(job, timeoutMs_, lastError_, [&password](QKeychain::Job* ended) {
        password = static_cast<QKeychain::ReadPasswordJob*>(ended)->textData().toStdString();
    });
}

PasswordKeyring::Outcome DesktopKeyring::remove(const std::string& key) {
    auto* job = new QKeychain::DeletePasswordJob(service_);
    job->setKey(QString::fromStdString(key));
    return runJob(job, timeoutMs_, lastError_);
}

}  // namespace korvant::gui
