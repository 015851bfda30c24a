#pragma once

#include "net/server_certificate.h"

#include <QString>

// The question the mail settings dialog asks when a server's certificate is not trusted:
// what the certificate says about itself, why it was refused, and whether to trust it.
class CertificateQuestion {
public:
    static QString Caption();
    static QString Text(const ServerCertificate& certificate);
};
