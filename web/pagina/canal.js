// El canal entre la página y el worker donde corre un programa.
//
// El programa de C++ hace llamadas que esperan (leer una línea, esperar una
// tecla), pero el código de la página no puede quedarse esperando. Por eso el
// programa corre en un worker: pide con postMessage y se duerme
// (Atomics.wait) sobre una memoria compartida con la página; la página deja
// allí la respuesta y lo despierta (Atomics.notify) cuando la tiene. La
// memoria compartida (SharedArrayBuffer) exige que la página esté aislada de
// otros orígenes (crossOriginIsolated).
class Canal {
  // Lo más que cabe en una respuesta: los bytes de una lectura.
  static CAPACIDAD = 65536;

  constructor(memoria = new SharedArrayBuffer(8 + Canal.CAPACIDAD)) {
    this.memoria = memoria;
    // [0] vale 1 cuando hay respuesta; [1] es la respuesta.
    this.control = new Int32Array(memoria, 0, 2);
    this.datos = new Uint8Array(memoria, 8, Canal.CAPACIDAD);
  }

  // En el worker: envía la petición y duerme hasta que llega la respuesta.
  pedir(peticion) {
    Atomics.store(this.control, 0, 0);
    postMessage(peticion);
    Atomics.wait(this.control, 0, 0);
    return this.control[1];
  }

  // En la página: deja la respuesta, con sus bytes si los hay, y despierta al
  // worker.
  responder(valor, bytes) {
    if (bytes) this.datos.set(bytes);
    this.control[1] = valor;
    Atomics.store(this.control, 0, 1);
    Atomics.notify(this.control, 0);
  }

  // En el worker: los `cuantos` primeros bytes de la respuesta, copiados.
  bytes(cuantos) {
    return this.datos.slice(0, cuantos);
  }

  // Un objeto pequeño (el modo del terminal) va como texto JSON.
  static codificar(objeto) {
    return new TextEncoder().encode(JSON.stringify(objeto));
  }

  static decodificar(bytes) {
    return JSON.parse(new TextDecoder().decode(bytes));
  }
}
