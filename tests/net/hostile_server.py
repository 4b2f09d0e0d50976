#!/usr/bin/env python3
# A DAV server that misbehaves on purpose, for the network tests: it listens on the loopback
# address on two plain ports and, given a certificate and key, one TLS port, prints
# "PORTS plain plain tls" and then one JSON line per request it was sent (port, method, path,
# headers) and one per answer it gave up sending (path, bytes sent).
# What it answers is chosen by the path:
#   /to/CODE?ADDRESS   CODE with Location: ADDRESS (relative or absolute)
#   /chunked/ /flood/  207, an endless body: chunked, or with neither length nor chunks
#   /huge/             207, a body of 50 MB, announced
#   /silent/ /short/   no answer; an answer cut short of its length
#   /503/ /malformed/  a server failing; a multistatus that does not read
#   /h.ics             a calendar file of ETag "v1", unchanged (304) for If-None-Match "v1"
#   /slow/             207, one byte every 0.2 s, forever
#   /token/            a sync report marked truncated (507), with a new token every time
#   /parts/            a sync report in three parts from the token t0, one member in each
#   /foreign/          a listing whose members lie partly outside it
#   a multiget         a contact for each href asked for, wherever it is
#   anything else      207, an empty listing; 401 under /auth/ without an Authorization
import http.server
import json
import re
import socketserver
import ssl
import sys
import threading
import time

lock = threading.Lock()


def log(record):
    with lock:
        print(json.dumps(record), flush=True)


FOREIGN = ["/foreign/a.vcf", "/foreign/../x.vcf", "/foreign/%2e%2e/d.vcf", "/elsewhere/c.vcf",
           "http://other.invalid/foreign/b.vcf", "file:///etc/passwd"]


def multistatus(responses, token=""):
    body = "".join(responses)
    if token:
        body += "<d:sync-token>%s</d:sync-token>" % token
    return ('<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" '
            'xmlns:c="urn:ietf:params:xml:ns:carddav">%s</d:multistatus>' % body).encode()


def member(href, data=None):
    prop = '<d:getetag>"1"</d:getetag>'
    if data is not None:
        prop += "<c:address-data>%s</c:address-data>" % data
    return ("<d:response><d:href>%s</d:href><d:propstat><d:prop>%s</d:prop>"
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>" % (href, prop))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def endless(self, chunked, pause=0.0, length=None):
        self.send_response(207)
        if length:
            self.send_header("Content-Length", str(length))
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        # Endless, at some 60 MB/s, faster than most links to a real server. With a pause between
        # the pieces Qt's network thread sees the abort (bounded up to some 500 MB/s when the
        # machine is idle; docs/performance.md); a server on this machine writing without any
        # pause can keep Qt 6.4's reading of a chunked answer from ever looking at it, and a test
        # must not take gigabytes of a shared machine.
        pause = pause or 0.001
        piece = b"x" * (1 if pause == 0.2 else 65536)
        frame = b"%x\r\n%s\r\n" % (len(piece), piece) if chunked else piece
        sent = 0
        try:
            while True:
                self.wfile.write(frame)
                self.wfile.flush()
                sent += len(piece)
                time.sleep(pause)
        except OSError:
            log({"path": self.path, "sent": sent})

    def handle_any(self):
        length = int(self.headers.get("Content-Length", 0) or 0)
        body = self.rfile.read(length).decode("utf-8", "replace") if length else ""
        token = re.search(r"sync-token>([^<]*)<", body)
        log({"port": self.server.server_address[1], "method": self.command, "path": self.path,
             "headers": {k.lower(): v for k, v in self.headers.items()},
             "token": token.group(1) if token else ""})
        path = self.path
        if path.startswith("/to/"):
            code, _, target = path[4:].partition("?")
            self.answer(int(code), b"", [("Location", target)])
        elif path.startswith("/chunked/") or path.startswith("/flood/"):
            self.endless(path.startswith("/chunked/"))
        elif path.startswith("/huge/"):
            self.endless(False, length=50 * 1024 * 1024)
        elif path.startswith("/h.ics"):
            status = 304 if self.headers.get("If-None-Match") == '"v1"' else 200
            ics = b"BEGIN:VCALENDAR\r\nX-WR-CALNAME:Holidays\r\nEND:VCALENDAR\r\n"
            self.answer(status, ics if status == 200 else b"", [("ETag", '"v1"')])
        elif path.startswith("/silent/"):
            time.sleep(60)
        elif path.startswith("/short/"):
            self.wfile.write(b"HTTP/1.1 207 Multi-Status\r\nContent-Length: 1000\r\n\r\n<multi")
            self.close_connection = True
        elif path.startswith("/503/"):
            self.answer(503)
        elif path.startswith("/malformed/"):
            self.answer(207, b"<multistatus xmlns='DAV:'><response><href>/a</multistatus>")
        elif path.startswith("/slow/"):
            self.endless(True, 0.2)
        elif path.startswith("/token/"):
            self.answer(207, multistatus(
                ["<d:response><d:href>/token/</d:href><d:status>HTTP/1.1 507 Insufficient "
                 "Storage</d:status></d:response>"], "t%d" % (int(token.group(1)[1:]) + 1)))
        elif "multiget" in body:
            card = "BEGIN:VCARD\nVERSION:3.0\nFN:%s\nBDAY:1980-05-01\nEND:VCARD"
            asked = re.findall(r"<(?:\w+:)?href>([^<]*)<", body)
            self.answer(207, multistatus([member(h, card % h.split("/")[-1]) for h in asked]))
        elif path.startswith("/parts/"):
            part = {"t0": 1, "p1": 2, "p2": 3}[token.group(1)]
            truncated = ("<d:response><d:href>/parts/</d:href><d:status>HTTP/1.1 507 "
                         "Insufficient Storage</d:status></d:response>") if part < 3 else ""
            self.answer(207, multistatus([member("/parts/%d.vcf" % part), truncated],
                                         "p%d" % part))
        elif path.startswith("/foreign/"):
            self.answer(207, multistatus([member(href) for href in FOREIGN]))
        elif path.startswith("/auth/") and "Authorization" not in self.headers:
            self.answer(401, b"", [("WWW-Authenticate", 'Basic realm="t"')])
        else:
            self.answer(207, multistatus([]))

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = handle_any


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def main():
    servers = [Server(("127.0.0.1", 0), Handler), Server(("127.0.0.1", 0), Handler)]
    if len(sys.argv) == 3:
        tls = Server(("127.0.0.1", 0), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[1], sys.argv[2])
        tls.socket = context.wrap_socket(tls.socket, server_side=True)
        servers.append(tls)
    print("PORTS " + " ".join(str(s.server_address[1]) for s in servers), flush=True)
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()  # until the test closes it


if __name__ == "__main__":
    main()
