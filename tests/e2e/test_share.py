"""Throws posted to the group's chat: a small HTTP server on 127.0.0.1 stands in for its webhook.
The settings are typed into the Share window. Runs inside its own D-Bus session (dbus-run-session):
History's marks are read through AT-SPI."""

import http.server
import json
import re
import threading
import time

from conftest import accessible_windows
from strip import (HISTORY, SHARE, App, button_rect, choose, region, settings_file, typing_window,
                   wait_closed)
from x11 import wait_for

NO_PROXY = {"http_proxy": "", "https_proxy": "", "HTTP_PROXY": "", "HTTPS_PROXY": "",
            "all_proxy": "", "no_proxy": "*"}


class Webhook(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = self.rfile.read(int(self.headers["Content-Length"]))
        self.server.posts.append((self.path, json.loads(body)))
        self.send_response(getattr(self.server, "status", 204))
        self.end_headers()

    def log_message(self, *args):
        pass


def history_lines():
    import pyatspi
    window = accessible_windows().get(HISTORY)
    found = window and pyatspi.findDescendant(window, lambda a: a.getRoleName() in ("list", "table"))
    return found and [found.getChildAtIndex(i).name for i in range(found.childCount)]


def serve(handler):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.posts = []
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def enter_webhook(x, app, url, *keys):
    choose(x, app.window, "Share...")
    share = x.wait_window(SHARE)
    x.click(share.x + share.w // 2, share.y + 20)  # the name
    x.xdotool("type", "--delay", "20", "Rogue")
    x.xdotool("key", "Tab")
    x.xdotool("type", "--delay", "5", url)
    x.xdotool("key", *keys, "Return")
    wait_closed(x, SHARE)


def test_throws_arrive_in_order_and_without_the_webhook_are_marked_not_sent(x, binary, atspi):
    server = serve(Webhook)
    with App(x, binary, dict(atspi, **NO_PROXY)) as app:
        enter_webhook(x, app, f"http://127.0.0.1:{server.server_port}/hooks/1/s3cret")

        x.click(40, 180)  # d6
        path, first = wait_for(lambda: server.posts, 10, what="the first post")[0]
        assert path == "/hooks/1/s3cret"
        assert re.fullmatch(r"Rogue: d6: [1-6]", first.pop("content")), first
        assert first == {"username": "Dice Rollkin", "allowed_mentions": {"parse": []}}
        for y in (100, 220, 340):  # d4, d8, d20 in quick succession
            x.click(40, y)
        wait_for(lambda: len(server.posts) == 4, 10, what="three more posts")
        assert [p["content"].split(":")[1] for _, p in server.posts[1:]] == [" d4", " d8", " d20"]

        server.shutdown()
        server.server_close()
        for slot in (10, 1):  # d100, d2: the total shows at once with no webhook to answer
            before = region(x, button_rect(slot))
            started = time.monotonic()
            x.click(40, button_rect(slot)[1] + 20)
            wait_for(lambda: region(x, button_rect(slot)) != before, 2, what="the total")
            assert time.monotonic() - started < 2
        choose(x, app.window, "History...")
        x.wait_window(HISTORY)
        # Each is tried again after 1, 2 and 4 s, then given up.
        def given_up():
            lines = history_lines()
            return lines if lines and lines[0].endswith("(not sent)") else None
        lines = wait_for(given_up, 40, interval=0.5, what="History's marks")
        assert [line.rsplit("(", 1)[1] for line in lines] == ["not sent)"] * 2 + ["posted)"] * 4
        x.click(40, 180)  # one more on its way: the program still ends at once, dropping it
        choose(x, app.window, "Exit")
        assert app.wait_exit(timeout=5) == 0, app.error_output()[-3000:]
        assert "s3cret" not in app.error_output()


def test_a_slack_compatible_chat_gets_its_text_field(x, binary):
    server = serve(Webhook)
    with App(x, binary, NO_PROXY) as app:
        # The host names no chat: the format is chosen, the one after Discord.
        enter_webhook(x, app, f"http://127.0.0.1:{server.server_port}/T0/s3cret", "Tab", "Down")
        x.click(40, 180)  # d6
        _, body = wait_for(lambda: server.posts, 10, what="the post")[0]
        assert re.fullmatch(r"Rogue: d6: [1-6]", body.pop("text")), body
        assert body == {"mrkdwn": False}


def test_a_refusing_webhook_is_told_beside_the_strip_and_blocks_nothing(x, binary):
    server = serve(Webhook)
    server.status = 404
    settings_file(x, f"[Share]\nwebhook=http://127.0.0.1:{server.server_port}/hooks/1/gone\n")
    other, typing = typing_window(x)
    with App(x, binary, NO_PROXY):
        before = {w.id for w in x.mapped_windows()}
        x.click(40, 180)  # d6: posted, and refused
        notice = wait_for(lambda: next((w for w in x.mapped_windows() if w.id not in before),
                                       None), 5, what="the notice")
        assert notice.x >= 80, notice  # beside the strip, not over it
        d4 = region(x, button_rect(3))
        x.click(40, 100)
        wait_for(lambda: region(x, button_rect(3)) != d4, 1, what="d4's total")
        assert x.focused_window() == typing.id
        x.click(notice.x + 10, notice.y + 10)  # a click puts it away
        wait_for(lambda: notice.id not in {w.id for w in x.mapped_windows()}, 5,
                 what="the notice gone")
    server.shutdown()
    other.terminate()


class Hostile(http.server.BaseHTTPRequestHandler):
    """The first answer comes a byte a second, its headers never done; the second is a 200 with
    400 MB of body, as fast as it goes; the rest are taken at once. `sent`: what each got out."""
    protocol_version = "HTTP/1.1"

    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers["Content-Length"])))
        self.server.posts.append((time.monotonic(), body["content"]))
        post = len(self.server.posts)
        (first, then), chunk = {1: (b"HTTP/1.1 200 OK\r\nX-Slow: ", b"x"),
                                2: (b"HTTP/1.1 200 OK\r\nContent-Length: 400000000\r\n\r\n",
                                    b"x" * 65536)}.get(post, (b"", b"")), 0
        if not first:
            self.send_response(204)
            return self.end_headers()
        self.close_connection = True
        try:
            self.wfile.write(first)
            while then and chunk < 400000000:
                self.wfile.write(then)
                self.wfile.flush()
                chunk += len(then)
                time.sleep(1 if len(then) == 1 else 0)
        except OSError:
            self.server.sent[post] = (time.monotonic(), chunk)

    def log_message(self, *args):
        pass


def test_an_answer_that_trickles_in_counts_as_none_and_a_huge_one_is_cut_off(x, binary):
    server = serve(Hostile)
    server.sent = {}
    with App(x, binary, NO_PROXY) as app:
        enter_webhook(x, app, f"http://127.0.0.1:{server.server_port}/h")
        x.click(40, 180)  # d6, whose answer trickles
        wait_for(lambda: server.posts, 10, what="the first post")
        x.click(40, 20)  # d2 meanwhile, which waits its turn
        # Ten seconds after the post, the program hangs up and tries again a second later; the
        # huge answer to that try is cut off, and the d2 follows.
        wait_for(lambda: len(server.posts) == 3 and len(server.sent) == 2, 20, what="3 posts")
        (first, d6), (again, d6_again), (_, d2) = server.posts
        assert 10 <= again - first < 14 and d6 == d6_again and d2.startswith("Rogue: d2:")
        assert server.sent[1][0] - first < 14  # seen at its next byte or the one after
        assert server.sent[2][1] < 64 << 20, server.sent  # of 400 MB
