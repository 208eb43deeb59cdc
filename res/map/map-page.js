// The script interface of both map pages. The program calls these global
// functions with WGS-84 latitude and longitude in decimal degrees:
//   initialize()                 start view (run once by the page itself)
//   movpos(lat, lon)             move the vehicle marker, centre on it and
//                                extend the driven route
//   path_plot(lat, lon)          append a point to the planned route
//   path_delete()                empty the planned route
//   pathdrived_plot(lat, lon)    append a point to the driven route
//   pathdrived_delete()          empty the driven route
// The including page first defines `page`: its start view, tile source, route
// styles and how a WGS-84 point becomes a point of its tiles.
//
// A whole recording's route arrives as thousands of calls in one script.
// Redrawing a polyline per point grows quadratically, so the calls only
// collect points and the routes, the marker and the view are redrawn once in
// the next animation frame.
//
// No call ever raises: the program never reads anything back and an error
// must not stop the rest of a batch or show anything.
'use strict';

window.onerror = function () { return true; };

var map = null;
var marker = null;
var plannedRoute = null;
var drivenRoute = null;
var pendingPosition = null;
var frameRequested = false;

function requestFrame() {
    if (frameRequested)
        return;
    frameRequested = true;
    window.requestAnimationFrame(drawFrame);
}

function drawFrame() {
    frameRequested = false;
    try {
        plannedRoute.draw();
        drivenRoute.draw();
        if (pendingPosition !== null) {
            marker.setLatLng(pendingPosition);
            if (!map.hasLayer(marker))
                marker.addTo(map);
            map.setView(pendingPosition, map.getZoom(), { animate: false });
            pendingPosition = null;
        }
    } catch (e) {
    }
}

function FrameRoute(style) {
    this.points = [];
    this.changed = false;
    this.line = L.polyline([], style).addTo(map);
}

FrameRoute.prototype.append = function (point) {
    this.points.push(point);
    this.changed = true;
    requestFrame();
};

FrameRoute.prototype.clear = function () {
    this.points = [];
    this.changed = true;
    requestFrame();
};

FrameRoute.prototype.draw = function () {
    if (!this.changed)
        return;
    this.changed = false;
    this.line.setLatLngs(this.points);
};

// The point of the page's tiles for a WGS-84 position; throws on anything
// that is not a pair of finite numbers, so such a call adds nothing.
function mapPoint(lat, lon) {
    lat = Number(lat);
    lon = Number(lon);
    if (!isFinite(lat) || !isFinite(lon))
        throw new RangeError('not a position');
    var p = page.fromWgs84(lat, lon);
    return L.latLng(p[0], p[1]);
}

// Users with their own tile server set its address in the settings file; the
// program hands it over as tavrelTileUrl before the page runs.
function tileLayer() {
    var custom = typeof window.tavrelTileUrl === 'string' && window.tavrelTileUrl !== '';
    var options = { maxZoom: page.tiles.maxZoom, attribution: page.tiles.attribution };
    if (!custom && page.tiles.subdomains)
        options.subdomains = page.tiles.subdomains;
    return L.tileLayer(custom ? window.tavrelTileUrl : page.tiles.url, options);
}

function initialize() {
    try {
        var center = L.latLng(page.center[0], page.center[1]);
        map = L.map('map', { center: center, zoom: page.zoom, scrollWheelZoom: true, keyboard: true });
        map.attributionControl.setPrefix('Leaflet');
        tileLayer().addTo(map);
        plannedRoute = new FrameRoute(page.plannedStyle);
        drivenRoute = new FrameRoute(page.drivenStyle);
        marker = L.marker(center, { title: '', draggable: page.markerDraggable });
        if (page.markerAtStart)
            marker.addTo(map);
    } catch (e) {
    }
}

function movpos(lat, lon) {
    try {
        var p = mapPoint(lat, lon);
        drivenRoute.append(p);
        pendingPosition = p;
        requestFrame();
    } catch (e) {
    }
}

function path_plot(lat, lon) {
    try {
        plannedRoute.append(mapPoint(lat, lon));
    } catch (e) {
    }
}

function path_delete() {
    try {
        plannedRoute.clear();
    } catch (e) {
    }
}

function pathdrived_plot(lat, lon) {
    try {
        drivenRoute.append(mapPoint(lat, lon));
    } catch (e) {
    }
}

function pathdrived_delete() {
    try {
        drivenRoute.clear();
    } catch (e) {
    }
}
