#!/usr/bin/python3
"""The update server of the tests: an FTP server on 127.0.0.1 at a port the
system chooses, serving a folder read-only to anonymous users.

    ftpserver.py FOLDER LOG KIND [VALUE]

It writes every command it receives, one a line, into LOG ("CONNECT" when a
client connects), so that a test can tell what stage a client has reached.
KIND is how it behaves:
  normal   an honest server
  slow     sends downloads at VALUE bytes a second
  lying    answers every SIZE with "213 VALUE"; a VALUE of "+N" or "-N"
           gives the true size that much off
  breaking sends only the first half of a package, then reports the
           transfer complete
  silent   accepts connections and never greets
  delay    sends every reply VALUE seconds late
  hang     never answers the command VALUE (USER, RETR, ...)
  stall    sends the first half of a package, then nothing, the
           transfer kept open
  drop     sends the first half of a package, then closes the control
           connection
  endless  sends a package without end (its SIZE is the true one)

It writes "PORT <number>" on its standard output once it listens and runs
until it is ended or its standard input closes (the test went away).
"""

import os
import socket
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def stop_when_stdin_closes():
    def watch():
        sys.stdin.read()
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def announce(port):
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()


def write_log(log, line):
    with open(log, "a") as file:
        file.write(line + "\n")


def silent_server(log):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)
        write_log(log, "CONNECT")


class Endless:
    """A producer that never runs dry."""

    def more(self):
        return b"\x5a" * 65536


def ftp_server(folder, log, kind, value):
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(folder, perm="elr")

    class Handler(FTPHandler):
        stalling = False

        def on_connect(self):
            write_log(log, "CONNECT")

        def pre_process_command(self, line, cmd, arg):
            write_log(log, line)
            FTPHandler.pre_process_command(self, line, cmd, arg)

        def process_command(self, cmd, *args, **kwargs):
            if kind == "hang" and cmd == value:
                return None
            return FTPHandler.process_command(self, cmd, *args, **kwargs)

        def respond(self, resp, logfun=None):
            if kind != "delay":
                return FTPHandler.respond(self, resp)

            def late():
                try:
                    FTPHandler.respond(self, resp)
                except Exception:
                    pass
            self.ioloop.call_later(float(value), late)
            return None

        def ftp_SIZE(self, path):
            if kind != "lying":
                return FTPHandler.ftp_SIZE(self, path)
            # "+N" and "-N": the true size that much off.
            if value[:1] in "+-" and value[1:].isdigit() and os.path.isfile(path):
                self.respond("213 %d" % (os.path.getsize(path) + int(value)))
            else:
                self.respond("213 %s" % value)
            return None

        def ftp_RETR(self, file):
            odd = kind in ("breaking", "stall", "drop", "endless")
            if not odd or not file.endswith(".deb"):
                return FTPHandler.ftp_RETR(self, file)
            try:
                with open(file, "rb") as package:
                    data = package.read()
            except OSError as err:
                self.respond("550 %s." % err.strerror)
                return None
            if kind == "endless":
                self.push_dtp_data(Endless(), isproducer=True, cmd="RETR")
                return file
            self.stalling = kind == "stall"
            self.push_dtp_data(data[: len(data) // 2], cmd="RETR")
            if kind == "drop":
                self.ioloop.call_later(0.1, self.close)
            return file

    class Data(DTPHandler):
        def close_when_done(self):
            # A stalled transfer stays open, with nothing more to come.
            if not self.cmd_channel.stalling:
                DTPHandler.close_when_done(self)

    Handler.authorizer = authorizer
    Handler.banner = "test update server ready."
    Handler.dtp_handler = Data
    if kind == "slow":
        class Slow(ThrottledDTPHandler):
            write_limit = int(value)
        Handler.dtp_handler = Slow

    server = FTPServer(("127.0.0.1", 0), Handler)
    announce(server.socket.getsockname()[1])
    server.serve_forever(handle_exit=False)


def main():
    folder, log, kind = sys.argv[1], sys.argv[2], sys.argv[3]
    value = sys.argv[4] if len(sys.argv) > 4 else "0"
    stop_when_stdin_closes()
    if kind == "silent":
        silent_server(log)
    else:
        ftp_server(folder, log, kind, value)


if __name__ == "__main__":
    main()
