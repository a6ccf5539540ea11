#include "support/test_http_server_certificates.h"

#include <filesystem>

#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo::test {
namespace {

const char* kKey = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";

bool run(const std::string& command) { return runCommand(command + " 2>&1").exitCode == 0; }

// A key and a certificate for `names` (a subjectAltName value) signed by the authority.
bool signedIdentity(const std::string& dir, const std::string& name, const std::string& names,
                    TlsIdentity* out) {
  std::string base = dir + "/" + name;
  writeBytes(base + ".ext", "subjectAltName=" + names + "\n");
  out->certificate = base + ".pem";
  out->key = base + ".key";
  return run("openssl req " + std::string(kKey) + " -keyout " + out->key + " -out " + base +
             ".csr -subj /CN=" + name) &&
         run("openssl x509 -req -in " + base + ".csr -CA " + dir + "/ca.pem -CAkey " + dir +
             "/ca.key -CAcreateserial -days 2 -extfile " + base + ".ext -out " + out->certificate);
}

TestCertificates make(const std::string& dir) {
  TestCertificates c;
  c.authority = dir + "/ca.pem";
  c.selfSigned = {dir + "/self.pem", dir + "/self.key"};
  c.ok = run("openssl req -x509 " + std::string(kKey) +
             " -days 2 -subj /CN=PictavoTestCA -keyout " + dir + "/ca.key -out " + c.authority) &&
         signedIdentity(dir, "loopback", "IP:127.0.0.1,DNS:localhost", &c.loopback) &&
         signedIdentity(dir, "other", "DNS:other.example", &c.otherName) &&
         run("openssl req -x509 " + std::string(kKey) + " -days 2 -subj /CN=127.0.0.1 " +
             "-addext subjectAltName=IP:127.0.0.1 -keyout " + c.selfSigned.key + " -out " +
             c.selfSigned.certificate);
  return c;
}

}  // namespace

const TestCertificates& testCertificates() {
  static TempDir dir("pictavo-tls");
  static TestCertificates certificates = make(dir.path());
  return certificates;
}

}  // namespace pictavo::test
