#!/usr/bin/env python3
"""An RFC 3161 time-stamp server on the loopback address, for the signing test:

    timestamp-server.py FOLDER

makes a throw-away time-stamp authority in FOLDER (tsa.crt is its certificate),
then answers each request posted to it with `openssl ts -reply`, and prints
the port it listens on once it does. It runs until it is stopped.
"""
import http.server
import os
import subprocess
import sys

CONFIG = """[req]
distinguished_name = name
[name]
[authority]
extendedKeyUsage = critical,timeStamping
basicConstraints = CA:false
[tsa]
default_tsa = answers
[answers]
serial = ./serial
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512, sha1
ess_cert_id_alg = sha256
"""


class Answer(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", "tsa.cnf", "-queryfile",
                                "/dev/stdin", "-inkey", "tsa.key", "-signer", "tsa.crt",
                                "-out", "/dev/stdout"],
                               input=query, capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    os.chdir(folder)
    with open("tsa.cnf", "w") as config:
        config.write(CONFIG)
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=Throw-away time stamps", "-keyout", "tsa.key", "-out",
                    "tsa.crt", "-config", "tsa.cnf", "-extensions", "authority"],
                   capture_output=True, check=True)
    server = http.server.HTTPServer(("127.0.0.1", 0), Answer)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
