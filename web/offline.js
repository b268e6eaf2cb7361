// Makes the served site work without a network: registers its service worker, sw.js, which
// keeps every file of the site for the next visit. The site alone loads this module (its own
// line in index.html); the one-file page, bch.html, needs no server and goes without it.
//
// Nothing is registered where a service worker cannot or should not run:
// - opened from disk (a file: address), where the browser has none;
// - where the browser has no service workers (an older one, or a page not served securely);
// - in a course: in a frame, as a learning platform shows a course's page, or opened by a
//   window that offers a platform's run-time (its API object, see lms.js). The platform serves
//   the page there, and a worker would outlive the course on the platform's address.
// The outcome stands on the page's root element, data-offline: "registered", "failed" (the
// browser refused; the page works on as before) or "none".

function inCourse() {
  if (window.top !== window) return true;
  try {
    return Boolean(window.opener && window.opener.API);
  } catch {
    return true; // an opener of another origin, whose API cannot be looked at
  }
}

function register() {
  const root = document.documentElement;
  if (!('serviceWorker' in navigator) || location.protocol === 'file:' || inCourse()) {
    root.dataset.offline = 'none';
    return;
  }
  navigator.serviceWorker.register('sw.js').then(
    () => {
      root.dataset.offline = 'registered';
    },
    (error) => {
      root.dataset.offline = 'failed';
      console.warn('The page will not work offline:', error);
    },
  );
}

// After the page has loaded, so that filling the cache does not delay the first prompt.
if (document.readyState === 'complete') register();
else addEventListener('load', register, { once: true });
