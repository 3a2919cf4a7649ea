// Paces the calculator in animation frames: a running program gets one
// slice of engine time per frame, so the page keeps drawing and a click on
// R/S is handled before the next slice. How long a pause holds the display
// and how the error display blinks are the face library's pace, the same
// as on the desktop.

// Most of a 60 Hz frame, leaving the rest to input and drawing.
const kSliceMs = 11;

export class Runner {
  constructor(engine, onFrame) {
    this.engine = engine;
    this.onFrame = onFrame;
    this.pauseUntil = 0;
    this.blinkStart = 0;
    this.frameRequested = false;
    this.displayShown = true;
    this.showWhileRunning = false;
  }

  get running() {
    return this.engine.isRunning();
  }

  get pausing() {
    return this.pauseUntil > 0;
  }

  // After every key: a started run, a stop or an error changes the pace.
  keyGiven() {
    this.pauseUntil = 0;
    this.showWhileRunning = false;
    this.displayShown = true;
    this.blinkStart = this.engine.errorShown() ? performance.now() : 0;
    this.request();
  }

  request() {
    if (this.frameRequested) return;
    if (!this.running && !this.blinkStart) return;
    this.frameRequested = true;
    requestAnimationFrame((now) => this.frame(now));
  }

  frame(now) {
    this.frameRequested = false;
    if (this.running) {
      if (this.pausing && now >= this.pauseUntil) {
        this.pauseUntil = 0;
        this.showWhileRunning = false;
      }
      if (!this.pausing) {
        const wait = this.engine.afterSlice(this.engine.runFor(kSliceMs));
        if (wait) {
          this.pauseUntil = now + wait;
          this.showWhileRunning = true;
        }
      }
      if (!this.running) this.stopped(now);
    } else if (this.blinkStart) {
      this.displayShown = this.engine.errorLit(now - this.blinkStart);
    }
    this.onFrame();
    this.request();
  }

  stopped(now) {
    this.pauseUntil = 0;
    this.showWhileRunning = false;
    this.displayShown = true;
    this.blinkStart = this.engine.errorShown() ? now : 0;
  }
}
