// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/password_keyring.h"

#include <QObject>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Zorbel");

PasswordKeyring::Outcome OutcomeOf(const QKeychain::Job& job) {
    switch (job.error()) {
    case QKeychain::NoError:
        return PasswordKeyring::Outcome::Done;
    case QKeychain::EntryNotFound:
        return PasswordKeyring::Outcome::NotFound;
    default:
        return PasswordKeyring::Outcome::Failed;
    }
}

// QtKeychain picks the keyring of the platform and desktop. Its jobs delete themselves once
// they have answered; one still running when the keyring goes is left to finish unheard,
// since destroying it in the middle of a call would pull the call's state away from it.
class DesktopKeyring : public PasswordKeyring {
public:
    void Read(const QString& entry, ReadAnswer answer) override {
        auto* job = new QKeychain::ReadPasswordJob(kService);
        Start(job, entry, [answer = std::move(answer)](QKeychain::Job* finished) {
            answer(OutcomeOf(*finished),
                   static_cast<QKeychain::ReadPasswordJob*>(finished)->textData());
        });
    }
    void Write(const QString& entry, const QString& password, Answer answer) override {
        auto* job = new QKeychain::WritePasswordJob(kService);
        job->setTextData(password);
        Start(job, entry, Plain(std::move(answer)));
    }
    void Remove(const QString& entry, Answer answer) override {
        Start(new QKeychain::DeletePasswordJob(kService), entry, Plain(std::move(answer)));
    }

private:
    static std::function<void(QKeychain::Job*)> Plain(Answer answer) {
        return [answer = std::move(answer)](QKeychain::Job* finished) {
            answer(OutcomeOf(*finished));
        };
    }
    void Start(QKeychain::Job* job, const QString& entry,
               std::function<void(QKeychain::Job*)> finished) {
        job->setKey(entry);
        QObject::connect(job, &QKeychain::Job::finished, &context_, std::move(finished));
        job->start();
    }

    QObject context_; // receives every answer, so none arrives after the keyring has gone
};

} // namespace

std::unique_ptr<PasswordKeyring> CreateDesktopKeyring() {
    return std::make_unique<DesktopKeyring>();
}
