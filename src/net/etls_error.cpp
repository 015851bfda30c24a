#include "net/etls_error.h"

ETlsError::ETlsError(TlsFailure failure, const QString& text, ServerCertificate certificate)
    : ENetError(text), failure_(failure), certificate_(std::move(certificate)) {}
