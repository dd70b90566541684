#pragma once

#include <QString>

// The certificate authority and the server certificate for 127.0.0.1 and localhost that it signed, so
// that a test can trust exactly this CA. The keys are ECDSA (P-256): a handshake signs with the server's
// key, and an RSA signature on every connection would cost the stand-in more than the call it carries.
class CertificateAuthority
{
public:
    struct Files
    {
        QString caCertificate;     // ca.pem
        QString serverCertificate; // server.pem
        QString serverKey;         // server.key (0600)
    };

    // The three PEM files of the directory (created if needed). Files that are there, match and are still
    // valid are kept, so that a client trusting the CA connects again after a restart of the service;
    // otherwise a fresh CA and certificate replace them. Throws std::runtime_error on failure.
    static Files prepare(const QString &directory);

private:
    static bool usable(const Files &files);
    static void create(const Files &files);
};
