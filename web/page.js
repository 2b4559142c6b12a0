// The page around the review program: checks that the browser can run it, starts it, keeps it
// for offline use, and says in plain words when it cannot start, did not load, stopped or ended.
// Written for old browsers too (no arrow functions, no let), so that they can say what they lack.
(function () {
  "use strict";

  var started = false;
  var over = false;          // the program stopped or could not start: said once
  var loaded = false;        // the program's files are in and its run-time is set up
  var unreadable = false;    // brivan.js came, but this browser could not read it
  var wasmBlocked = false;   // the browser refused to compile WebAssembly under the page's policy
  var worker = null;         // the service worker's registration, once there is one

  function element(id) { return document.getElementById(id); }

  function show(title, text, buttonText, onButton) {
    element("notice").hidden = false;
    element("notice-title").textContent = title;
    element("notice-text").textContent = text;
    var button = element("notice-button");
    button.hidden = !buttonText;
    if (buttonText) {
      button.textContent = buttonText;
      button.onclick = onButton;
      button.focus();
    }
  }

  function reload() { window.location.reload(); }

  function cannotStart(text) { show("The review program cannot start here", text); }

  var tooOld = "This browser is too old for the review program. Update it, or use a current " +
               "version of Safari, Chrome, Edge or Firefox.";

  function didNotLoad() {
    show("The review program did not load",
         "The review program could not be downloaded completely. Check the connection and try again.",
         "Try again", reload);
  }

  function lacks() {
    if (window.location.protocol === "file:")
      return "This page was opened as a file. Browsers do not run the review program from a file: " +
             "open it from a web server (see the README that came with it).";
    if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function")
      return "This browser cannot run WebAssembly, which the review program needs. Use a current " +
             "version of Safari, Chrome, Edge or Firefox, and check that WebAssembly is not turned off.";
    if (typeof Promise === "undefined" || typeof fetch === "undefined" || typeof TextDecoder === "undefined")
      return tooOld;
    return "";
  }

  // brivan.js is written for current browsers: an older one reports a syntax error against it
  // (a failed download only leaves createBrivan undefined).
  window.addEventListener("error", function (event) {
    if (event instanceof ErrorEvent && /\/brivan\.js(\?|#|$)/.test(event.filename || "")) unreadable = true;
  });
  // A browser that does not know 'wasm-unsafe-eval' refuses to compile the program (the page
  // evaluates no strings, so a refused "eval" is that too).
  document.addEventListener("securitypolicyviolation", function (event) {
    if (event.blockedURI === "wasm-eval" || event.blockedURI === "eval") wasmBlocked = true;
  });

  function stopped() {
    element("screen").hidden = true;
    show("The review program stopped",
         "Something went wrong and the review program stopped. Start it again.",
         "Start again", reload);
  }

  function failed(why) {
    if (over) return;  // an abort is reported twice: to onAbort, then as the start's rejection
    over = true;
    if (started) stopped();
    else if (wasmBlocked) cannotStart(tooOld);
    else if (loaded) stopped();
    else didNotLoad();
    if (why) console.error("brivan stopped: " + why);
  }

  // A new version waits until no page of the old one is open; when this page is the last, it may
  // take over now, so that starting again starts the new version whole.
  function startAgain() {
    var waiting = worker && worker.waiting;
    if (!waiting) { reload(); return; }
    navigator.serviceWorker.addEventListener("controllerchange", reload);
    waiting.postMessage("take-over");
    window.setTimeout(reload, 3000);  // another page still holds the old version
  }

  function keepForOffline() {
    // Over HTTPS or from this machine only; registered once the terms screen is up and its
    // pictures are in, so that filling the offline copy does not slow the first visit down.
    if (!("serviceWorker" in navigator) || !window.isSecureContext) return;
    if (document.readyState !== "complete") {
      window.addEventListener("load", keepForOffline);
      return;
    }
    navigator.serviceWorker.register("sw.js", { updateViaCache: "none" }).then(function (registration) {
      worker = registration;
    }, function (error) {
      console.info("Offline use is not available: " + error);
    });
  }

  function start() {
    var lack = lacks();
    if (lack) { cannotStart(lack); return; }
    if (typeof createBrivan !== "function") {
      if (unreadable) cannotStart(tooOld);
      else didNotLoad();
      return;
    }
    document.addEventListener("brivan-started", function () {
      started = true;
      element("notice").hidden = true;
      keepForOffline();
    });
    document.addEventListener("brivan-ended", function () {
      // The program has ended: its windows are gone, and a page cannot close its own tab.
      element("screen").hidden = true;
      show("The review program has ended", "You may close this page, or start the review program again.",
           "Start again", startAgain);
    });
    createBrivan({
      onRuntimeInitialized: function () { loaded = true; },
      onAbort: function (what) { failed(String(what)); }
    }).then(null, function (error) {
      failed(error && error.message);
    });
  }

  document.addEventListener("DOMContentLoaded", start);
})();
