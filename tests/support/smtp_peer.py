#!/usr/bin/env python3
"""A scripted SMTP peer for the mail transport's fault tests.

Listens on 127.0.0.1 on a free port with implicit TLS and answers each
connection by the scenario named with --scenario (see SCENARIOS). Reports on
standard output, one JSON object a line (see smtp_helper_common):
  {"event": "listening", "port": N}
  {"event": "accepted"}            a TCP connection came in
  {"event": "sni", "name": ...}     the server name the client asked for
  {"event": "tls", "version": ...} the handshake succeeded with that protocol version
  {"event": "tls_failed", "error": ...}
  {"event": "line", "text": ...}   a command line (or data line) it received
  {"event": "eof"}                 the client closed the connection
  {"event": "closed"}              the peer closed it
  {"event": "done"}                the connection is over, either way
Ends when its standard input closes or after --lifetime seconds.
"""
import ssl

from smtp_helper_common import (argument_parser, end_when_parent_goes, loopback_listener, report,
                                report_listening, server_context)

GREETING = "220 peer.test ESMTP ready"

# Replies by command; a scenario overrides some of them. A list is a
# multi-line reply; None means the behaviour named in the scenario's comment.
DEFAULT_REPLIES = {
    "GREETING": GREETING,
    "EHLO": ["250-peer.test", "250-SIZE 1000000", "250-AUTH PLAIN LOGIN", "250 8BITMIME"],
    "HELO": "250 peer.test",
    "AUTH LOGIN": "334 VXNlcm5hbWU6",
    "USER": "334 UGFzc3dvcmQ6",
    "PASSWORD": "235 2.7.0 Authentication successful",
    "MAIL": "250 2.1.0 Ok",
    "RCPT": "250 2.1.5 Ok",
    "DATA": "354 End data with <CR><LF>.<CR><LF>",
    "DOT": "250 2.0.0 Ok: queued",
    "RSET": "250 2.0.0 Ok",
    "NOOP": "250 2.0.0 Ok",
    "QUIT": "221 2.0.0 Bye",
}

SCENARIOS = {
    "normal": {},
    "ehlo_refused": {"EHLO": "502 5.5.2 Error: command not recognized"},
    "auth_plain_only": {"EHLO": ["250-peer.test", "250-AUTH PLAIN", "250 8BITMIME"]},
    "auth_equals": {"EHLO": ["250-peer.test", "250-AUTH=LOGIN", "250 8BITMIME"]},
    "accepted_after_user": {"USER": "235 2.7.0 Accepted without a password"},
    "auth_refused": {"PASSWORD": "535 5.7.8 Error: authentication failed"},
    "sender_refused": {"MAIL": "553 5.7.1 Sender address rejected: not owned by user"},
    "recipient_refused": {"RCPT": "550 5.1.1 <nobody@peer.test>: Recipient address rejected: User unknown"},
    "recipient_251": {"RCPT": "251 2.1.5 User not local; will forward"},
    "data_refused": {"DATA": "554 5.5.1 Error: no valid recipients"},
    "message_refused": {"DOT": "554 5.7.1 Message rejected as spam"},
    "greeting_refused": {"GREETING": "554 5.3.2 peer.test No SMTP service here"},
    "garbage_greeting": {"GREETING": "hello, this is not SMTP"},
    "drop_in_data": {"DOT": None},   # closes the connection after the first data line
    "silent": {"GREETING": None},    # completes TLS, then never says a word
    "no_tls": {},                    # accepts TCP, never answers the TLS handshake
}


def send(stream, reply):
    lines = reply if isinstance(reply, list) else [reply]
    stream.write("".join(line + "\r\n" for line in lines).encode("utf-8"))
    stream.flush()


def read_line(stream):
    raw = stream.readline()
    if not raw:
        return None
    text = raw.decode("utf-8", "replace").rstrip("\r\n")
    report(event="line", text=text)
    return text


def converse(stream, replies):
    """Plays one SMTP session; returns when either side ends it."""
    if replies["GREETING"] is None:
        while read_line(stream) is not None:
            pass
        report(event="eof")
        return
    send(stream, replies["GREETING"])
    auth_step = None
    while True:
        line = read_line(stream)
        if line is None:
            report(event="eof")
            return
        if auth_step is not None:
            reply = replies[auth_step]
            send(stream, reply)
            auth_step = "PASSWORD" if auth_step == "USER" and reply.startswith("334") else None
            continue
        verb = line.split(" ")[0].upper()
        if line.upper() == "AUTH LOGIN":
            send(stream, replies["AUTH LOGIN"])
            auth_step = "USER"
        elif verb == "DATA":
            send(stream, replies["DATA"])
            if replies["DATA"].startswith("354") and not receive_data(stream, replies):
                return
        elif verb in ("MAIL", "RCPT", "EHLO", "HELO", "RSET", "NOOP"):
            send(stream, replies[verb])
        elif verb == "QUIT":
            send(stream, replies["QUIT"])
            report(event="closed")
            return
        else:
            send(stream, "500 5.5.2 Error: command not recognized")


def receive_data(stream, replies):
    """Reads the message up to "."; False when the scenario drops the connection."""
    while True:
        line = read_line(stream)
        if line is None:
            report(event="eof")
            return False
        if replies["DOT"] is None:
            report(event="closed")
            return False
        if line == ".":
            send(stream, replies["DOT"])
            return True


def wait_for_close(connection):
    while connection.recv(4096):
        pass
    report(event="eof")


def serve(listener, context, scenario):
    replies = dict(DEFAULT_REPLIES, **SCENARIOS[scenario])
    while True:
        raw, _ = listener.accept()
        report(event="accepted")
        raw.settimeout(60)
        try:
            if scenario == "no_tls":
                wait_for_close(raw)
                continue
            try:
                connection = context.wrap_socket(raw, server_side=True)
            except (ssl.SSLError, OSError) as error:
                report(event="tls_failed", error=str(error))
                continue
            report(event="tls", version=connection.version())
            with connection, connection.makefile("rwb") as stream:
                converse(stream, replies)
        except OSError as error:
            report(event="eof", error=str(error))
        finally:
            raw.close()
            report(event="done")


def main():
    parser = argument_parser()
    parser.add_argument("--scenario", choices=sorted(SCENARIOS), default="normal")
    parser.add_argument("--tls10", action="store_true", help="offer TLS 1.0 and nothing else")
    args = parser.parse_args()
    end_when_parent_goes(args.lifetime)

    context = server_context(args)
    if args.tls10:
        context.set_ciphers("DEFAULT:@SECLEVEL=0")
        context.minimum_version = ssl.TLSVersion.TLSv1
        context.maximum_version = ssl.TLSVersion.TLSv1
    context.sni_callback = lambda connection, name, _: report(event="sni", name=name)

    listener = loopback_listener()
    report_listening(listener)
    serve(listener, context, args.scenario)


if __name__ == "__main__":
    main()
