#include "CertificateAuthority.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <functional>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <ctime>
#include <stdexcept>

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;
using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;

constexpr long ValiditySeconds = 365L * 24 * 3600;
// Kept files must stay valid for a while yet: a demo left running should not lose its service mid-way.
constexpr long RemainingValiditySeconds = 24L * 3600;

void check(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(std::string("certificate generation failed: ") + what);
}

Key newKey()
{
    Key key(EVP_EC_gen("P-256"), EVP_PKEY_free);
    check(key != nullptr, "ECDSA key");
    return key;
}

void addExtension(X509 *certificate, X509 *issuer, int nid, const char *value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION *extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    check(extension != nullptr, "extension");
    check(X509_add_ext(certificate, extension, -1) == 1, "add extension");
    X509_EXTENSION_free(extension);
}

Certificate newCertificate(EVP_PKEY *key, const char *commonName, long serial)
{
    Certificate certificate(X509_new(), X509_free);
    check(certificate != nullptr, "certificate");
    X509_set_version(certificate.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), serial);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), ValiditySeconds);
    X509_set_pubkey(certificate.get(), key);
    X509_NAME *name = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char *>("Qelvox stand-in"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char *>(commonName),
                               -1, -1, 0);
    return certificate;
}

void writePem(const QString &path, const std::function<int(BIO *)> &write, bool secret)
{
    Bio bio(BIO_new(BIO_s_mem()), BIO_free);
    check(bio && write(bio.get()) == 1, "PEM encoding");
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "open output file");
    if (secret)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    check(file.write(data, size) == size, "write output file");
}

Certificate readCertificate(const QString &path)
{
    QFile file(path);
    const QByteArray pem = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    Bio bio(BIO_new_mem_buf(pem.constData(), int(pem.size())), BIO_free);
    return Certificate(bio ? PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr) : nullptr, X509_free);
}

Key readKey(const QString &path)
{
    QFile file(path);
    const QByteArray pem = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    Bio bio(BIO_new_mem_buf(pem.constData(), int(pem.size())), BIO_free);
    return Key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr, EVP_PKEY_free);
}

bool validLongEnough(X509 *certificate)
{
    time_t until = time(nullptr) + RemainingValiditySeconds;
    return X509_cmp_time(X509_get0_notAfter(certificate), &until) > 0 &&
           X509_cmp_current_time(X509_get0_notBefore(certificate)) < 0;
}

} // namespace

CertificateAuthority::Files CertificateAuthority::prepare(const QString &directory)
{
    check(QDir().mkpath(directory), "create the certificate directory");
    const QDir dir(directory);
    const Files files{dir.absoluteFilePath("ca.pem"), dir.absoluteFilePath("server.pem"),
                      dir.absoluteFilePath("server.key")};
    if (!usable(files))
        create(files);
    return files;
}

bool CertificateAuthority::usable(const Files &files)
{
    const Certificate ca = readCertificate(files.caCertificate);
    const Certificate server = readCertificate(files.serverCertificate);
    const Key key = readKey(files.serverKey);
    if (!ca || !server || !key)
        return false;
    EVP_PKEY *caKey = X509_get0_pubkey(ca.get());
    // The key the service serves with, a certificate of that key, and the CA that the client trusts
    // having signed it.
    return caKey && X509_check_private_key(server.get(), key.get()) == 1 &&
           X509_verify(server.get(), caKey) == 1 && validLongEnough(ca.get()) && validLongEnough(server.get());
}

void CertificateAuthority::create(const Files &files)
{
    // Serials differ per run so that two stand-ins never issue look-alike certificates.
    const long serial = long(QDateTime::currentMSecsSinceEpoch() % 1000000000L);

    const Key caKey = newKey();
    const Certificate ca = newCertificate(caKey.get(), "Qelvox stand-in test CA", serial);
    X509_set_issuer_name(ca.get(), X509_get_subject_name(ca.get()));
    addExtension(ca.get(), ca.get(), NID_basic_constraints, "critical,CA:TRUE");
    addExtension(ca.get(), ca.get(), NID_key_usage, "critical,keyCertSign,cRLSign");
    addExtension(ca.get(), ca.get(), NID_subject_key_identifier, "hash");
    check(X509_sign(ca.get(), caKey.get(), EVP_sha256()) > 0, "sign the CA");

    const Key serverKey = newKey();
    const Certificate server = newCertificate(serverKey.get(), "127.0.0.1", serial + 1);
    X509_set_issuer_name(server.get(), X509_get_subject_name(ca.get()));
    addExtension(server.get(), ca.get(), NID_basic_constraints, "critical,CA:FALSE");
    addExtension(server.get(), ca.get(), NID_ext_key_usage, "serverAuth");
    addExtension(server.get(), ca.get(), NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    addExtension(server.get(), ca.get(), NID_authority_key_identifier, "keyid");
    check(X509_sign(server.get(), caKey.get(), EVP_sha256()) > 0, "sign the server certificate");

    writePem(
        files.caCertificate, [&](BIO *bio) { return PEM_write_bio_X509(bio, ca.get()); }, false);
    writePem(
        files.serverCertificate, [&](BIO *bio) { return PEM_write_bio_X509(bio, server.get()); }, false);
    writePem(
        files.serverKey,
        [&](BIO *bio) {
            return PEM_write_bio_PrivateKey(bio, serverKey.get(), nullptr, nullptr, 0, nullptr, nullptr);
        },
        true);
}
