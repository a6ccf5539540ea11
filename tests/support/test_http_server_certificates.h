// Certificates for the TLS test servers, made once per test run with the openssl command in
// a temporary folder: a test certificate authority and servers signed by it for 127.0.0.1,
// for another name, and one that signed itself. The client trusts the test authority only
// through setTrustedCertificatesForTesting.
#pragma once

#include <string>

#include "support/test_http_server.h"

namespace pictavo::test {

struct TestCertificates {
  std::string authority;   // PEM of the test authority
  TlsIdentity loopback;    // signed by it, for 127.0.0.1 and localhost
  TlsIdentity otherName;   // signed by it, for other.example only
  TlsIdentity selfSigned;  // for 127.0.0.1, signed by nobody the client trusts
  bool ok = false;
};

const TestCertificates& testCertificates();

}  // namespace pictavo::test
