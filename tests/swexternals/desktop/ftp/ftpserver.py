#!/usr/bin/python3
"""The update server of the tests: an FTP server on 127.0.0.1 at a port the
system chooses, serving a folder read-only to anonymous users.

    ftpserver.py FOLDER KIND [VALUE]

KIND is how it behaves:
  normal   an honest server
  slow     sends downloads at VALUE bytes a second
  lying    answers every SIZE with "213 VALUE"
  breaking sends only the first half of every download, then reports
           the transfer complete
  silent   accepts connections and never greets

It writes "PORT <number>" on its standard output once it listens and runs
until it is ended or its standard input closes (the test went away).
"""

import socket
import sys
import threading
import os

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def stop_when_stdin_closes():
    def watch():
        sys.stdin.read()
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def announce(port):
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()


def silent_server():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def ftp_server(folder, kind, value):
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(folder, perm="elr")

    class Handler(FTPHandler):
        def ftp_SIZE(self, path):
            if kind == "lying":
                self.respond("213 %s" % value)
            else:
                FTPHandler.ftp_SIZE(self, path)

        def ftp_RETR(self, file):
            if kind != "breaking" or not file.endswith(".deb"):
                return FTPHandler.ftp_RETR(self, file)
            try:
                with open(file, "rb") as bestand:
                    data = bestand.read()
            except OSError as err:
                self.respond("550 %s." % err.strerror)
                return None
            self.push_dtp_data(data[: len(data) // 2], cmd="RETR")
            return file

    Handler.authorizer = authorizer
    Handler.banner = "test update server ready."
    if kind == "slow":
        class Slow(ThrottledDTPHandler):
            write_limit = int(value)
        Handler.dtp_handler = Slow

    server = FTPServer(("127.0.0.1", 0), Handler)
    announce(server.socket.getsockname()[1])
    server.serve_forever(handle_exit=False)


def main():
    folder, kind = sys.argv[1], sys.argv[2]
    value = sys.argv[3] if len(sys.argv) > 3 else "0"
    stop_when_stdin_closes()
    if kind == "silent":
        silent_server()
    else:
        ftp_server(folder, kind, value)


if __name__ == "__main__":
    main()
