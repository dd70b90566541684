#pragma once

#include <QString>

// Makes a fresh certificate authority and a server certificate for 127.0.0.1
// and localhost, signed by it, so that a test can trust exactly this CA.
class CertificateAuthority
{
public:
    struct Files
    {
        QString caCertificate;     // ca.pem
        QString serverCertificate; // server.pem
        QString serverKey;         // server.key (0600)
    };

    // Writes the three PEM files into the directory (created if needed); throws std::runtime_error on
    // failure.
    static Files create(const QString &directory);
};
