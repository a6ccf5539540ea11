// Settings every request of the HTTP client shares: its time-outs, and (for tests only) a
// certificate file that replaces the system's trust store.
#pragma once

#include <string>

namespace pictavo {

struct NetTimeouts {
  int connectMs = 10000;  // name resolution, TCP connect and TLS handshake together
  int ioMs = 10000;       // the longest the connection may stay silent once it is open
  int totalMs = 120000;   // the whole request: connect, header and body
};

NetTimeouts netTimeouts();
// Tests shorten the time-outs; the program keeps the defaults.
void setNetTimeouts(const NetTimeouts& timeouts);

// The PEM file of the certificate authorities HTTPS servers are checked against; empty for
// the system's trust store. Only tests set it (their own test authority); the program never
// does, and nothing reads it from the environment.
std::string trustedCertificatesFile();
void setTrustedCertificatesForTesting(const std::string& pemPath);

}  // namespace pictavo
