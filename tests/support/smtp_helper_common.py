"""What the SMTP test helpers share: their options, their reports, their end, and a
TLS listener on 127.0.0.1.

Every helper reports on standard output, one JSON object a line, starting with
  {"event": "listening", "port": N}
and ends when its standard input closes or after --lifetime seconds.
"""
import argparse
import json
import os
import socket
import ssl
import sys
import threading


def report(**event):
    print(json.dumps(event), flush=True)


def argument_parser():
    """The options of every helper: the server's certificate and key, and its lifetime."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--lifetime", type=float, default=120)
    return parser


def end_when_parent_goes(lifetime):
    """Stops the process when the test closes our standard input or the time is up."""
    threading.Thread(target=lambda: (sys.stdin.buffer.read(), os._exit(0)), daemon=True).start()
    threading.Timer(lifetime, os._exit, (0,)).start()


def server_context(args):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    return context


def loopback_listener():
    """A listening socket on a free port of 127.0.0.1."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    return listener


def report_listening(listener):
    report(event="listening", port=listener.getsockname()[1])
