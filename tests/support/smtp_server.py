#!/usr/bin/env python3
"""A real SMTP server for the mail tests: aiosmtpd with implicit TLS and AUTH LOGIN.

Listens on 127.0.0.1 on a free port and reports on standard output, one JSON
object a line (see smtp_helper_common):
  {"event": "listening", "port": N}
  {"event": "ehlo", "name": ...}
  {"event": "auth", "mechanism": ..., "login": ..., "password": ..., "accepted": bool}
  {"event": "message", "mail_from": ..., "rcpt_tos": [...], "data": base64 of the received data}
The data is what the client sent after DATA, dot-stuffing undone, without the
final ".". Only AUTH LOGIN is offered, and authentication is required.
The server ends when its standard input closes or after --lifetime seconds.
"""
import asyncio
import base64
import logging
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

from smtp_helper_common import (argument_parser, end_when_parent_goes, loopback_listener, report,
                                report_listening, server_context)


class Handler:
    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        report(event="ehlo", name=hostname)
        return responses

    async def handle_DATA(self, server, session, envelope):
        report(event="message", mail_from=envelope.mail_from, rcpt_tos=envelope.rcpt_tos,
               data=base64.b64encode(envelope.original_content).decode("ascii"))
        return "250 2.0.0 Message accepted"


def make_authenticator(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        if not isinstance(auth_data, LoginPassword):
            return AuthResult(success=False, handled=False)
        login = auth_data.login.decode("utf-8", "replace")
        secret = auth_data.password.decode("utf-8", "replace")
        accepted = login == user and secret == password
        report(event="auth", mechanism=mechanism, login=login, password=secret, accepted=accepted)
        return AuthResult(success=accepted, handled=False, auth_data=auth_data)
    return authenticate


def main():
    parser = argument_parser()
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    args = parser.parse_args()
    end_when_parent_goes(args.lifetime)
    # The test wants AUTH over implicit TLS, which aiosmtpd warns about.
    logging.basicConfig(stream=sys.stderr, level=logging.ERROR)
    warnings.filterwarnings("ignore")

    context = server_context(args)
    listener = loopback_listener()

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    handler = Handler()
    authenticator = make_authenticator(args.user, args.password)

    def new_session():
        # TLS is implicit, so AUTH need not wait for STARTTLS.
        return SMTP(handler, hostname="mail.test", auth_required=True, auth_require_tls=False,
                    auth_exclude_mechanism=["PLAIN"], authenticator=authenticator, loop=loop)

    server = loop.run_until_complete(loop.create_server(new_session, sock=listener, ssl=context))
    report_listening(listener)
    try:
        loop.run_forever()
    finally:
        server.close()


if __name__ == "__main__":
    main()
