#!/usr/bin/env python3
"""timestamp-server.py FOLDER: an RFC 3161 time-stamp server on 127.0.0.1 whose authority
(tsa.crt) is made in FOLDER; prints its port once it listens."""
import http.server
import subprocess
import sys

CONFIG = "[tsa]\ndefault_tsa = answers\n[answers]\nserial = serial\nsigner_digest = sha256\n" \
         "default_policy = 1.2.3.4.1\ndigests = sha256\n"


def openssl(*args):
    subprocess.run(["openssl", *args], capture_output=True, check=True, cwd=sys.argv[1])


class Answer(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        # Through files of its own: /dev/stdin and /dev/stdout need not be what they seem.
        with open(f"{sys.argv[1]}/query.tsq", "wb") as query:
            query.write(self.rfile.read(int(self.headers["Content-Length"])))
        openssl("ts", "-reply", "-config", "tsa.cnf", "-queryfile", "query.tsq", "-inkey",
                "tsa.key", "-signer", "tsa.crt", "-out", "reply.tsr")
        with open(f"{sys.argv[1]}/reply.tsr", "rb") as answer:
            reply = answer.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.end_headers()
        self.wfile.write(reply)


with open(f"{sys.argv[1]}/tsa.cnf", "w") as config:
    config.write(CONFIG)
openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Time stamps",
        "-addext", "extendedKeyUsage=critical,timeStamping", "-keyout", "tsa.key", "-out", "tsa.crt")
server = http.server.HTTPServer(("127.0.0.1", 0), Answer)
print(server.server_address[1], flush=True)
server.serve_forever()
